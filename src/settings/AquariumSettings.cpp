#include "settings/AquariumSettings.h"

AquariumSettings aquariumSettings;
