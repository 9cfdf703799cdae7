#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "core/settings/AquariumSettings.h"
#include "core/settings/ReadAquariumSettings.h"
#include "core/settings/StartupSettings.h"
#include "platform/runtime/Random.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {
using S = AquariumSettings;

// The first ten draws of the generator, each modulo 20.
constexpr std::array<int, 10> kFirstRandomCounts = {1, 7, 14, 0, 9, 4, 18, 18, 2, 4};

const std::string kCompleteSection =
    "[Aquarium Settings]\nShow Water=0\nShow Light=0\nShow Terra=1\nFRONT GUDING=1\n"
    "FRONTCOLOR=16777215\nFRONT MANJIANBIAN=0\nFRONT COLOR1=16777215\nFRONT COLOR2=16777215\n"
    "FRONT AUTOJIANBIAN=0\nCHECK LOCKFORE=0\nLOCKFORE ROT=0\nBACK GUDING=1\nBACKCOLOR=0\n"
    "BACK MANJIANBIAN=0\nBACK COLOR1=65280\nBACK COLOR2=0\nBACK AUTOJIANBIAN=0\n"
    "CHECK LOCKBACK=0\nLOCKBACK ROT=0\nYINLIANG=32767.5\nQIPAONUM=100\nBACKGROUND=0\n"
    "FOGNONGDU=25\nLIGHTQIANGDU=0\nCHECK VIEWS=1\nVIEWSLEFTRIGHT=0\nVIEWSNEARFAR=0\n\n";
const std::string kFirstRandomFishSection =
    "[Fish Number]\nFish0=1\nFish1=7\nFish2=14\nFish3=0\nFish4=9\nFish5=4\nFish6=18\n"
    "Fish7=18\nFish8=2\nFish9=4\n";
const std::string kCompleteFile = kCompleteSection +
                                  "[Fish Number]\nFish0=1\nFish1=1\nFish2=1\nFish3=1\nFish4=1\n"
                                  "Fish5=1\nFish6=1\nFish7=1\nFish8=1\nFish9=1\n";

// `text` with each `from` (which must occur) replaced once by its `to`.
std::string Edited(std::string text,
                   std::initializer_list<std::pair<std::string, std::string>> edits) {
    for (const auto& [from, to] : edits) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
}

void ExpectStartWithoutFile(const S& s) {
    EXPECT_EQ(std::tie(s.showWater, s.showLight, s.showTerra, s.frontSolid, s.frontColor,
                       s.frontGradient, s.frontColor1, s.frontColor2, s.frontAutoGradient,
                       s.checkLockFore, s.lockForeRot, s.backSolid, s.backColor, s.backGradient,
                       s.backColor1, s.backColor2, s.backAutoGradient, s.checkLockBack,
                       s.lockBackRot, s.volume, s.bubbleAmount, s.background, s.fogDensity,
                       s.lightReduction, s.checkViews, s.viewsLeftRight, s.viewsNearFar),
              std::make_tuple(0, 0, 1, 1, 16777215, 0, 16777215, 16777215, 0, 0, 0.0f, 1, 0, 0,
                              65280, 0, 0, 0, 0.0f, 32767, 100, 0, 25, 0, 1, 0, 0));
    EXPECT_EQ(s.fishCounts, kFirstRandomCounts);
}

// A settings folder of its own for each test; Restart is a fresh program.
class SettingsLoad : public ::testing::Test {
  protected:
    SettingsLoad() : xdg_("XDG_CONFIG_HOME", temp_.Path().string()) { Restart(); }

    void Restart() {
        ResetCrtRand();
        loaded_ = AquariumSettings();
    }
    fs::path Folder() const { return temp_.Path() / "velmar"; }
    fs::path SettingsPath() const { return Folder() / "VelmarSet.ini"; }
    std::string LoadFrom(const std::string& text) {
        WriteFile(SettingsPath(), text);
        loaded_ = LoadStartupSettings(SettingsRepairs::kWrittenBack).tank;
        return ReadFile(SettingsPath());
    }

    AquariumSettings loaded_;

  private:
    TempDir temp_;
    ScopedEnv xdg_;
};
}  // namespace

TEST_F(SettingsLoad, NoEmptyOrGarbageFileGainsEveryKeyInOrderAndASecondStartKeepsIt) {
    const char raw[] = "\x01\x02 not an ini file\0 [broken\nstill=garbage\n";
    const std::string garbage(raw, sizeof raw - 1);
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, ""}, {"", ""}, {garbage, garbage + "\n"}};
    for (const auto& [before, kept] : cases) {
        SCOPED_TRACE(before.value_or("no file"));
        Restart();
        fs::remove(SettingsPath());
        if (before) WriteFile(SettingsPath(), *before);
        loaded_ = LoadStartupSettings(SettingsRepairs::kWrittenBack).tank;
        const std::string first = ReadFile(SettingsPath());
        EXPECT_EQ(first, kept + kCompleteSection + kFirstRandomFishSection);
        ExpectStartWithoutFile(loaded_);

        // "32767.5" reads back as 32767 and no count is drawn again.
        loaded_ = LoadStartupSettings(SettingsRepairs::kWrittenBack).tank;
        EXPECT_EQ(ReadFile(SettingsPath()), first);
        ExpectStartWithoutFile(loaded_);
    }
}

TEST_F(SettingsLoad, ValuesParseLikeAtoiAndForcedAbsentOrOutOfRangeOnesAreRepaired) {
    // The line of the complete file, its edit, the line the file then holds, and the value read.
    const std::tuple<const char*, const char*, const char*, int S::*, int> cases[] = {
        {"Show Water=0", "Show Water=1", "Show Water=0", &S::showWater, 0},
        {"BACK GUDING=1", "BACK GUDING=0", "BACK GUDING=1", &S::backSolid, 1},
        {"FOGNONGDU=25", "FOGNONGDU=30", "FOGNONGDU=25", &S::fogDensity, 25},
        {"FOGNONGDU=25", "FOGNONGDU=-1", "FOGNONGDU=25", &S::fogDensity, 25},
        {"FOGNONGDU=25", "FOGNONGDU=0", "FOGNONGDU=0", &S::fogDensity, 0},
        {"LIGHTQIANGDU=0", "LIGHTQIANGDU=101", "LIGHTQIANGDU=0", &S::lightReduction, 0},
        {"LIGHTQIANGDU=0", "LIGHTQIANGDU=100", "LIGHTQIANGDU=100", &S::lightReduction, 100},
        {"YINLIANG=32767.5", "YINLIANG=   ", "YINLIANG=   32767.5", &S::volume, 32767},
        {"YINLIANG=32767.5", "YINLIANG=  12 loud", "YINLIANG=  12 loud", &S::volume, 12},
        {"BACK COLOR1=65280", "BACK COLOR1=blue", "BACK COLOR1=blue", &S::backColor1, 0}};
    for (const auto& [line, edited, inFile, field, value] : cases) {
        SCOPED_TRACE(edited);
        EXPECT_EQ(LoadFrom(Edited(kCompleteFile, {{line, edited}})),
                  Edited(kCompleteFile, {{line, inFile}}));
        EXPECT_EQ(loaded_.*field, value);
    }
}

TEST_F(SettingsLoad, PhasesKeepTheIntegerPartCountsClampInMemoryAndAbsentOnesAreDrawnInOrder) {
    const std::string withoutFish8 = Edited(kCompleteFile, {{"Fish8=1\n", ""}});
    const std::string edits = Edited(withoutFish8, {{"LOCKBACK ROT=0", "LOCKBACK ROT=123.9"},
                                                    {"LOCKFORE ROT=0", "LOCKFORE ROT=-4.5"},
                                                    {"Fish3=1", "Fish3=500"},
                                                    {"Fish5=1", "Fish5=-5"},
                                                    {"Fish6=1", "Fish6=99999999999"}});
    // Fish2 and Fish8 take the first two draws, 1 and 7, in species order.
    EXPECT_EQ(LoadFrom(Edited(edits, {{"Fish2=1", "Fish2="}})), edits + "Fish8=7\n");
    EXPECT_EQ(loaded_.lockBackRot, 123.0f);
    EXPECT_EQ(loaded_.lockForeRot, -4.0f);
    EXPECT_EQ(loaded_.fishCounts, (std::array<int, 10>{1, 1, 1, 200, 1, 0, 200, 1, 7, 1}));
}
