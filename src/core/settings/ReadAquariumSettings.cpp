#include "core/settings/ReadAquariumSettings.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/SettingsFile.h"
#include "core/tank/SchoolLayout.h"
#include "platform/runtime/CrtAtoi.h"
#include "platform/runtime/Random.h"

namespace {
constexpr int kRandomCountModulus = 20;

struct ValidRange {
    int min;
    int max;
};

// One key of "Aquarium Settings". Exactly one of the two fields is set; the
// phase keys keep only the integer part of their text, held as a float.
struct SettingRule {
    const char* key;
    int AquariumSettings::*intField;
    float AquariumSettings::*floatField;
    int absentValue;
    const char* absentText;
    std::optional<int> forcedValue;
    std::optional<ValidRange> validRange;
};

using S = AquariumSettings;
// In file order: a file without the section gains its keys in this order.
const SettingRule kRules[] = {
    {"Show Water", &S::showWater, nullptr, 1, "1", 0, std::nullopt},
    {"Show Light", &S::showLight, nullptr, 1, "1", 0, std::nullopt},
    {"Show Terra", &S::showTerra, nullptr, 1, "1", 1, std::nullopt},
    {"FRONT GUDING", &S::frontSolid, nullptr, 1, "1", std::nullopt, std::nullopt},
    {"FRONTCOLOR", &S::frontColor, nullptr, 16777215, "16777215", std::nullopt, std::nullopt},
    {"FRONT MANJIANBIAN", &S::frontGradient, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"FRONT COLOR1", &S::frontColor1, nullptr, 16777215, "16777215", std::nullopt, std::nullopt},
    {"FRONT COLOR2", &S::frontColor2, nullptr, 16777215, "16777215", std::nullopt, std::nullopt},
    {"FRONT AUTOJIANBIAN", &S::frontAutoGradient, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"CHECK LOCKFORE", &S::checkLockFore, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"LOCKFORE ROT", nullptr, &S::lockForeRot, 0, "0", std::nullopt, std::nullopt},
    {"BACK GUDING", &S::backSolid, nullptr, 0, "0", 1, std::nullopt},
    {"BACKCOLOR", &S::backColor, nullptr, 0, "0", 0, std::nullopt},
    {"BACK MANJIANBIAN", &S::backGradient, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"BACK COLOR1", &S::backColor1, nullptr, 65280, "65280", std::nullopt, std::nullopt},
    {"BACK COLOR2", &S::backColor2, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"BACK AUTOJIANBIAN", &S::backAutoGradient, nullptr, 1, "1", 0, std::nullopt},
    {"CHECK LOCKBACK", &S::checkLockBack, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"LOCKBACK ROT", nullptr, &S::lockBackRot, 0, "0", std::nullopt, std::nullopt},
    // The half is what the file has always held; atoi reads it back as 32767.
    {"YINLIANG", &S::volume, nullptr, 32767, "32767.5", std::nullopt, std::nullopt},
    {"QIPAONUM", &S::bubbleAmount, nullptr, 100, "100", std::nullopt, std::nullopt},
    {"BACKGROUND", &S::background, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"FOGNONGDU", &S::fogDensity, nullptr, 25, "25", std::nullopt, ValidRange{0, 25}},
    {"LIGHTQIANGDU", &S::lightReduction, nullptr, 0, "0", std::nullopt, ValidRange{0, 100}},
    {"CHECK VIEWS", &S::checkViews, nullptr, 1, "1", std::nullopt, std::nullopt},
    {"VIEWSLEFTRIGHT", &S::viewsLeftRight, nullptr, 0, "0", std::nullopt, std::nullopt},
    {"VIEWSNEARFAR", &S::viewsNearFar, nullptr, 0, "0", std::nullopt, std::nullopt},
};

bool OutOfRange(const SettingRule& rule, int value) {
    return rule.validRange && (value < rule.validRange->min || value > rule.validRange->max);
}

using Repairs = std::vector<std::pair<std::string, std::string>>;

int ReadAndRepairValue(const std::string& text, const SettingRule& rule, Repairs& repairs) {
    int value = CrtAtoi(text);
    if (text.empty() || OutOfRange(rule, value)) {
        value = rule.absentValue;
        repairs.emplace_back(rule.key, rule.absentText);
    }
    if (rule.forcedValue) {
        value = *rule.forcedValue;
        repairs.emplace_back(rule.key, std::to_string(value));
    }
    return value;
}

int ReadAndRepairFishCount(const std::string& text, const std::string& key, Repairs& repairs) {
    int count = CrtAtoi(text);
    if (text.empty()) {
        count = CrtRand() % kRandomCountModulus;
        repairs.emplace_back(key, std::to_string(count));
    }
    // A negative count would make the species' slot ranges overlap or run
    // backwards; in memory it counts as none, the file keeps its text.
    return std::clamp(count, 0, kSchoolSlots);
}
}  // namespace

// Each section is read in one pass and repaired in one more, however large
// a hand-made file is.
AquariumSettings ReadAndRepairSettings(ProfileText& profile) {
    AquariumSettings settings;
    const ProfileSection values = profile.ReadSection(kAquariumSettingsSection);
    Repairs repairs;
    for (const SettingRule& rule : kRules) {
        const int value = ReadAndRepairValue(values.Get(rule.key), rule, repairs);
        if (rule.intField) {
            settings.*rule.intField = value;
        } else {
            settings.*rule.floatField = static_cast<float>(value);
        }
    }
    profile.SetAll(kAquariumSettingsSection, repairs);

    const ProfileSection counts = profile.ReadSection(kFishNumberSection);
    Repairs countRepairs;
    for (std::size_t species = 0; species < settings.fishCounts.size(); ++species) {
        const std::string key = "Fish" + std::to_string(species);
        settings.fishCounts[species] = ReadAndRepairFishCount(counts.Get(key), key, countRepairs);
    }
    profile.SetAll(kFishNumberSection, countRepairs);
    return settings;
}

void WriteChangedSettings(const AquariumSettings& before, const AquariumSettings& after,
                          ProfileText& profile) {
    Repairs changes;
    for (const SettingRule& rule : kRules) {
        if (rule.intField && before.*rule.intField != after.*rule.intField) {
            changes.emplace_back(rule.key, std::to_string(after.*rule.intField));
        }
    }
    profile.SetAll(kAquariumSettingsSection, changes);
}

void WriteFishCounts(const std::array<int, kSpeciesCount>& counts, ProfileText& profile) {
    for (std::size_t species = 0; species < counts.size(); ++species) {
        profile.Set(kFishNumberSection, "Fish" + std::to_string(species),
                    std::to_string(counts[species]));
    }
}
