#pragma once

#include <wx/image.h>

#include "core/resources/EmbeddedResourceTable.h"

// The PNG stored plain as resource `id` of `type`, decoded; an invalid image
// when the program carries no such resource.
wxImage DecodeEmbeddedPng(ResourceType type, int id);
// The same for a resource already found; an invalid image when it is no PNG.
wxImage DecodeEmbeddedPng(const EmbeddedBlob& blob);
