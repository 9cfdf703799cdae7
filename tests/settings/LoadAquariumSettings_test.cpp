#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <climits>
#include <filesystem>
#include <string>

#include "platform/Random.h"
#include "settings/AquariumSettings.h"
#include "settings/LoadAquariumSettings.h"
#include "settings/SettingsTestFiles.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
// The first ten draws of the generator, each modulo 20.
constexpr std::array<int, 10> kFirstRandomCounts = {1, 7, 14, 0, 9, 4, 18, 18, 2, 4};

const char kCompleteSection[] =
    "[Aquarium Settings]\n"
    "Show Water=0\n"
    "Show Light=0\n"
    "Show Terra=1\n"
    "FRONT GUDING=1\n"
    "FRONTCOLOR=16777215\n"
    "FRONT MANJIANBIAN=0\n"
    "FRONT COLOR1=16777215\n"
    "FRONT COLOR2=16777215\n"
    "FRONT AUTOJIANBIAN=0\n"
    "CHECK LOCKFORE=0\n"
    "LOCKFORE ROT=0\n"
    "BACK GUDING=1\n"
    "BACKCOLOR=0\n"
    "BACK MANJIANBIAN=0\n"
    "BACK COLOR1=65280\n"
    "BACK COLOR2=0\n"
    "BACK AUTOJIANBIAN=0\n"
    "CHECK LOCKBACK=0\n"
    "LOCKBACK ROT=0\n"
    "YINLIANG=32767.5\n"
    "QIPAONUM=100\n"
    "BACKGROUND=0\n"
    "FOGNONGDU=25\n"
    "LIGHTQIANGDU=0\n"
    "CHECK VIEWS=1\n"
    "VIEWSLEFTRIGHT=0\n"
    "VIEWSNEARFAR=0\n";

const char kFirstRandomFishSection[] =
    "[Fish Number]\n"
    "Fish0=1\nFish1=7\nFish2=14\nFish3=0\nFish4=9\n"
    "Fish5=4\nFish6=18\nFish7=18\nFish8=2\nFish9=4\n";

const char kFixedFishSection[] =
    "[Fish Number]\n"
    "Fish0=1\nFish1=1\nFish2=1\nFish3=1\nFish4=1\n"
    "Fish5=1\nFish6=1\nFish7=1\nFish8=1\nFish9=1\n";

// A settings folder of its own and a fresh random stream for each test.
class SettingsLoad : public ::testing::Test {
  protected:
    SettingsLoad() : xdg_("XDG_CONFIG_HOME", temp_.Path().string()) {
        ResetCrtRand();
        aquariumSettings = AquariumSettings();
    }

    fs::path Folder() const { return temp_.Path() / "velmar"; }
    fs::path SettingsPath() const { return Folder() / "VelmarSet.ini"; }
    void WriteSettings(const std::string& text) const { WriteTextFile(SettingsPath(), text); }
    std::string SettingsText() const { return ReadTextFile(SettingsPath()); }

    // A complete, valid file with one line of the section replaced.
    static std::string CompleteWith(const std::string& line, const std::string& replacement) {
        std::string text = std::string(kCompleteSection) + "\n" + kFixedFishSection;
        const std::size_t at = text.find(line + "\n");
        EXPECT_NE(at, std::string::npos) << line;
        text.replace(at, line.size(), replacement);
        return text;
    }

  private:
    TempDir temp_;
    ScopedEnv xdg_;
};

void ExpectStartWithoutFile(const AquariumSettings& s) {
    EXPECT_EQ(s.showWater, 0);
    EXPECT_EQ(s.showLight, 0);
    EXPECT_EQ(s.showTerra, 1);
    EXPECT_EQ(s.frontGuding, 1);
    EXPECT_EQ(s.frontColor, 16777215);
    EXPECT_EQ(s.frontColor1, 16777215);
    EXPECT_EQ(s.frontColor2, 16777215);
    EXPECT_EQ(s.backGuding, 1);
    EXPECT_EQ(s.backColor, 0);
    EXPECT_EQ(s.backManJianBian, 0);
    EXPECT_EQ(s.backColor1, 65280);
    EXPECT_EQ(s.backColor2, 0);
    EXPECT_EQ(s.backAutoJianBian, 0);
    EXPECT_EQ(s.yinLiang, 32767);
    EXPECT_EQ(s.qiPaoNum, 100);
    EXPECT_EQ(s.background, 0);
    EXPECT_EQ(s.fogNongDu, 25);
    EXPECT_EQ(s.lightQiangDu, 0);
    EXPECT_EQ(s.checkViews, 1);
    EXPECT_EQ(s.fishCounts, kFirstRandomCounts);
}
}  // namespace

TEST_F(SettingsLoad, NoFileGivesEveryKeyInOrderWithTheTablesTextsAndRandomCounts) {
    LoadAquariumSettings();
    EXPECT_EQ(SettingsText(), std::string(kCompleteSection) + "\n" + kFirstRandomFishSection);
    ExpectStartWithoutFile(aquariumSettings);
}

TEST_F(SettingsLoad, ASecondStartReadsTheSameRecordAndLeavesTheFileAlone) {
    LoadAquariumSettings();
    const std::string first = SettingsText();
    const ino_t inode = InodeOf(SettingsPath());
    aquariumSettings = AquariumSettings();
    LoadAquariumSettings();
    EXPECT_EQ(SettingsText(), first);
    EXPECT_EQ(InodeOf(SettingsPath()), inode);
    // "32767.5" reads back as 32767, and no count was drawn again.
    ExpectStartWithoutFile(aquariumSettings);
}

TEST_F(SettingsLoad, AnEmptyFileBehavesAsNoFile) {
    WriteSettings("");
    LoadAquariumSettings();
    EXPECT_EQ(SettingsText(), std::string(kCompleteSection) + "\n" + kFirstRandomFishSection);
    ExpectStartWithoutFile(aquariumSettings);
}

TEST_F(SettingsLoad, ForcedKeysAreSetBackAtEveryStart) {
    std::string text = CompleteWith("Show Water=0", "Show Water=1");
    text.replace(text.find("Show Terra=1"), 12, "Show Terra=0");
    text.replace(text.find("BACK GUDING=1"), 13, "BACK GUDING=0");
    text.replace(text.find("BACKCOLOR=0"), 11, "BACKCOLOR=255");
    text.replace(text.find("BACK AUTOJIANBIAN=0"), 19, "BACK AUTOJIANBIAN=1");
    WriteSettings(text);
    LoadAquariumSettings();
    EXPECT_EQ(aquariumSettings.showWater, 0);
    EXPECT_EQ(aquariumSettings.showTerra, 1);
    EXPECT_EQ(aquariumSettings.backGuding, 1);
    EXPECT_EQ(aquariumSettings.backColor, 0);
    EXPECT_EQ(aquariumSettings.backAutoJianBian, 0);
    EXPECT_EQ(SettingsText(), std::string(kCompleteSection) + "\n" + kFixedFishSection);
}

TEST_F(SettingsLoad, FogAndLightOutsideTheirRangesAreRepairedInsideKept) {
    struct Case {
        const char* line;
        const char* edited;
        const char* repaired;
        int fog;
        int light;
    };
    const Case cases[] = {
        {"FOGNONGDU=25", "FOGNONGDU=30", "FOGNONGDU=25", 25, 0},
        {"FOGNONGDU=25", "FOGNONGDU=-1", "FOGNONGDU=25", 25, 0},
        {"FOGNONGDU=25", "FOGNONGDU=0", "FOGNONGDU=0", 0, 0},
        {"FOGNONGDU=25", "FOGNONGDU=fog", "FOGNONGDU=fog", 0, 0},
        {"LIGHTQIANGDU=0", "LIGHTQIANGDU=101", "LIGHTQIANGDU=0", 25, 0},
        {"LIGHTQIANGDU=0", "LIGHTQIANGDU=100", "LIGHTQIANGDU=100", 25, 100},
        {"LIGHTQIANGDU=0", "LIGHTQIANGDU=99999999999", "LIGHTQIANGDU=0", 25, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edited);
        WriteSettings(CompleteWith(c.line, c.edited));
        LoadAquariumSettings();
        EXPECT_EQ(aquariumSettings.fogNongDu, c.fog);
        EXPECT_EQ(aquariumSettings.lightQiangDu, c.light);
        EXPECT_EQ(SettingsText(), CompleteWith(c.line, c.repaired));
    }
}

TEST_F(SettingsLoad, ParsesLikeAtoiEverywhereElse) {
    std::string text = CompleteWith("LOCKBACK ROT=0", "LOCKBACK ROT=123.9");
    text.replace(text.find("LOCKFORE ROT=0"), 14, "LOCKFORE ROT=-4.5");
    text.replace(text.find("QIPAONUM=100"), 12, "QIPAONUM=99999999999");
    text.replace(text.find("BACK COLOR1=65280"), 17, "BACK COLOR1=blue");
    text.replace(text.find("YINLIANG=32767.5"), 16, "YINLIANG=  12 loud");
    WriteSettings(text);
    LoadAquariumSettings();
    EXPECT_EQ(aquariumSettings.lockBackRot, 123.0f);
    EXPECT_EQ(aquariumSettings.lockForeRot, -4.0f);
    EXPECT_EQ(aquariumSettings.qiPaoNum, INT_MAX);
    EXPECT_EQ(aquariumSettings.backColor1, 0);
    EXPECT_EQ(aquariumSettings.yinLiang, 12);
    // Nothing here is a repair: the file keeps every text.
    EXPECT_EQ(SettingsText(), text);
}

TEST_F(SettingsLoad, AnEmptyValueCountsAsAbsent) {
    WriteSettings(CompleteWith("YINLIANG=32767.5", "YINLIANG=   "));
    LoadAquariumSettings();
    EXPECT_EQ(aquariumSettings.yinLiang, 32767);
    EXPECT_EQ(SettingsText(), CompleteWith("YINLIANG=32767.5", "YINLIANG=   32767.5"));
}

TEST_F(SettingsLoad, FishCountsAreClampedToZeroTo200InMemoryOnly) {
    std::string text = CompleteWith("Fish3=1", "Fish3=500");
    text.replace(text.find("Fish5=1"), 7, "Fish5=-5");
    text.replace(text.find("Fish6=1"), 7, "Fish6=99999999999");
    WriteSettings(text);
    LoadAquariumSettings();
    EXPECT_EQ(aquariumSettings.fishCounts, (std::array<int, 10>{1, 1, 1, 200, 1, 0, 200, 1, 1, 1}));
    EXPECT_EQ(SettingsText(), text);
}

TEST_F(SettingsLoad, OnlyAbsentFishCountsDrawRandomNumbersInSpeciesOrder) {
    std::string text = CompleteWith("Fish3=1", "Fish3=");
    text.replace(text.find("Fish7=1\n"), 8, "");
    WriteSettings(text);
    LoadAquariumSettings();
    EXPECT_EQ(aquariumSettings.fishCounts[3], kFirstRandomCounts[0]);
    EXPECT_EQ(aquariumSettings.fishCounts[7], kFirstRandomCounts[1]);
    std::string expected = CompleteWith("Fish3=1", "Fish3=1");
    expected.replace(expected.find("Fish7=1\n"), 8, "");
    expected += "Fish7=7\n";
    EXPECT_EQ(SettingsText(), expected);
}

TEST_F(SettingsLoad, ForeignSectionsCommentsAndSpacingSurviveByteForByte) {
    const std::string head =
        "; written by hand\r\n"
        "[Custom Settings]\r\n"
        "MusicSum=1\r\n"
        "MusicList0=C:\\music\\a b.mp3\r\n"
        "\r\n"
        "[aquarium settings]\r\n"
        "  # my notes\r\n";
    std::string body;
    for (std::string line :
         {"Show Water = 1   ",     "Show Light=0",          "Show Terra=1",
          "FRONT GUDING=1",        "FRONTCOLOR=16777215",   "FRONT MANJIANBIAN=0",
          "FRONT COLOR1=16777215", "FRONT COLOR2=16777215", "FRONT AUTOJIANBIAN=0",
          "CHECK LOCKFORE=0",      "LOCKFORE ROT=0",        "back guding\t=\t1",
          "BACKCOLOR=0",           "BACK MANJIANBIAN=1",    "BACK COLOR1=255",
          "BACK COLOR2=16711680",  "BACK AUTOJIANBIAN=0",   "CHECK LOCKBACK=0",
          "LOCKBACK ROT=0",        "YINLIANG=100",          "QIPAONUM=50",
          "BACKGROUND=1",          "UNKNOWN KEY=keep",      "FOGNONGDU=5",
          "LIGHTQIANGDU=20",       "CHECK VIEWS=1",         "VIEWSLEFTRIGHT=0",
          "VIEWSNEARFAR=0"}) {
        body += line + "\r\n";
    }
    const std::string tail =
        "\r\n[FISH NUMBER]\r\nfish0=3\r\nFish1=0\r\nFish2=0\r\nFish3=0\r\nFish4=0\r\n"
        "Fish5=0\r\nFish6=0\r\nFish7=0\r\nFish8=0\r\nFish9=2\r\n[Custom Images]\r\nImageSum=0";
    WriteSettings(head + body + tail);
    LoadAquariumSettings();

    std::string expected = head + body + tail;
    expected.replace(expected.find("Show Water = 1   "), 17, "Show Water = 0   ");
    EXPECT_EQ(SettingsText(), expected);
    EXPECT_EQ(aquariumSettings.backManJianBian, 1);
    EXPECT_EQ(aquariumSettings.backColor1, 255);
    EXPECT_EQ(aquariumSettings.backColor2, 16711680);
    EXPECT_EQ(aquariumSettings.background, 1);
    EXPECT_EQ(aquariumSettings.qiPaoNum, 50);
    EXPECT_EQ(aquariumSettings.lightQiangDu, 20);
    EXPECT_EQ(aquariumSettings.fishCounts[0], 3);
    EXPECT_EQ(aquariumSettings.fishCounts[9], 2);
}

TEST_F(SettingsLoad, GarbageTextIsKeptAndTheMissingSectionsAreAdded) {
    const char raw[] = "\x01\x02 not an ini file\0 [broken\nstill=garbage\n";
    const std::string garbage(raw, sizeof raw - 1);
    WriteSettings(garbage);
    LoadAquariumSettings();
    EXPECT_EQ(SettingsText(), garbage + "\n" + kCompleteSection + "\n" + kFirstRandomFishSection);
    ExpectStartWithoutFile(aquariumSettings);
}

TEST_F(SettingsLoad, AnUnwritablePathLeavesTheRecordAsAStartWithoutFile) {
    fs::create_directories(SettingsPath());
    LoadAquariumSettings();
    ExpectStartWithoutFile(aquariumSettings);
    EXPECT_TRUE(fs::is_directory(SettingsPath()));
    EXPECT_TRUE(fs::is_empty(SettingsPath()));
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
}

TEST_F(SettingsLoad, AReadOnlyFolderKeepsTheFileAndUsesWhatItSays) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string text = CompleteWith("Show Water=0", "Show Water=1");
    WriteSettings(text);
    fs::permissions(Folder(), fs::perms(0555));
    LoadAquariumSettings();
    fs::permissions(Folder(), fs::perms(0755));
    EXPECT_EQ(SettingsText(), text);
    EXPECT_EQ(aquariumSettings.showWater, 0);
    EXPECT_EQ(aquariumSettings.fishCounts[0], 1);
}
