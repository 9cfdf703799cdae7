#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/CustomBackgroundList.h"
#include "core/settings/ProfileText.h"
#include "platform/posix/Random.h"
#include "support/MessageLog.h"

namespace {
// Texture names 1, 2, 3, ... in load order; paths with "broken" in them fail.
class FakeLoader : public PictureTextureLoader {
  public:
    unsigned LoadPicture(const std::string& path) override {
        return path.find("broken") == std::string::npos ? ++lastName_ : 0;
    }
    void ReleasePicture(unsigned texture) override { released.push_back(texture); }

    std::vector<unsigned> released;

  private:
    unsigned lastName_ = 0;
};

// The paths on show after each of `ticks` ticks.
std::vector<std::string> ShownOverTicks(CustomBackgroundList& list, int ticks) {
    std::vector<std::string> shown;
    for (int tick = 0; tick < ticks; ++tick) {
        list.Tick();
        for (const auto& row : list.Rows()) {
            if (row.on && row.texture == list.CurrentTexture()) shown.push_back(row.path);
        }
    }
    return shown;
}

using Paths = std::vector<std::string>;
}  // namespace

TEST(CustomBackgroundList, EachPlayModeShowsThePicturesInItsOrder) {
    struct Case {
        const char* name;
        CustomBackgroundList::PlayMode mode;
        int clickedRow;  // clicked after the first switch, or kNoRow
        Paths expected;
    };
    const Case cases[] = {
        {"repeat all from no picture",
         ListSection::kRepeatAll,
         CustomBackgroundList::kNoRow,
         {"B", "C", "A", "B"}},
        {"repeat one", ListSection::kRepeatOne, CustomBackgroundList::kNoRow, {"A", "A", "A", "A"}},
        {"repeat one after a click", ListSection::kRepeatOne, 2, {"A", "C", "C", "C"}},
        // The C runtime's stream from its start: 41, 18467, 6334, 26500.
        {"random", ListSection::kRandom, CustomBackgroundList::kNoRow, {"C", "C", "B", "B"}},
    };
    for (const Case& test : cases) {
        ResetCrtRand();
        FakeLoader loader;
        CustomBackgroundList list(loader);
        list.SetInterval("0");
        list.SetMode(test.mode);
        list.AddChosen({"A", "B", "C"});
        list.SetOwnImage(true);
        Paths shown = ShownOverTicks(list, 1);
        if (test.clickedRow != CustomBackgroundList::kNoRow) list.ClickRow(test.clickedRow);
        const Paths later = ShownOverTicks(list, 3);
        shown.insert(shown.end(), later.begin(), later.end());
        EXPECT_EQ(shown, test.expected) << test.name;
    }
}

TEST(CustomBackgroundList, TheIntervalCountsWholeTicksAndTheFirstTickSwitchesAtOnce) {
    struct Case {
        std::string interval;
        int ticks;
        int switches;
    };
    const Case cases[] = {
        {"2", 21, 3},  // ticks 1, 11 and 21
        {"0", 5, 5},  {"", 5, 5},
        {"5", 30, 2}, {"4000000", 100, 1},  // millions of milliseconds must not wrap round
    };
    for (const Case& test : cases) {
        FakeLoader loader;
        CustomBackgroundList list(loader);
        list.SetMode(ListSection::kRepeatAll);
        list.SetInterval(test.interval);
        list.AddChosen({"A", "B"});
        list.SetOwnImage(true);
        int switches = 0;
        unsigned shown = list.CurrentTexture();
        for (int tick = 0; tick < test.ticks; ++tick) {
            list.Tick();
            if (list.CurrentTexture() != shown) ++switches;
            shown = list.CurrentTexture();
        }
        EXPECT_EQ(switches, test.switches) << "interval \"" << test.interval << "\"";
    }
}

TEST(CustomBackgroundList,
     RemovingFreesTheRowsTexturesPutsRowZeroOnShowAndAnEmptyListShowsNothing) {
    FakeLoader loader;
    CustomBackgroundList list(loader);
    list.SetInterval("0");
    list.AddChosen({"A", "B", "C"});
    list.SetOwnImage(true);
    list.Tick();
    list.ClickRow(1);
    list.RemoveImage(1);
    EXPECT_EQ(loader.released, std::vector<unsigned>{2}) << "B's texture, and only it";
    EXPECT_EQ(list.CurrentTexture(), list.Rows()[0].texture) << "the picture on show went";
    EXPECT_TRUE(list.Rows()[0].on);
    EXPECT_EQ(list.Rows().size(), 2u);
    list.ClickRow(1);
    list.RemoveImage(CustomBackgroundList::kNoRow);
    EXPECT_EQ(list.Rows().size(), 2u);
    EXPECT_EQ(loader.released.size(), 1u);
    EXPECT_TRUE(list.Rows()[0].on) << "no row selected still puts row 0 on show";
    list.RemoveImage(0);
    list.RemoveImage(0);
    EXPECT_EQ(list.CurrentTexture(), 0u);
    list.Tick();
    EXPECT_EQ(list.CurrentTexture(), CustomBackgroundList::kNoPicture)
        << "the box on with no picture: a texture that holds nothing";
    EXPECT_TRUE(list.CustomBackgroundOn());
    list.AddChosen({"D", "E"});
    list.RemoveAll();
    EXPECT_EQ(loader.released, (std::vector<unsigned>{2, 1, 3, 4, 5}));
}

TEST(CustomBackgroundList, TheOwnImageBoxReachesTheSceneOnTheNextTick) {
    FakeLoader loader;
    CustomBackgroundList list(loader);
    list.AddChosen({"A"});
    list.ClickRow(0);
    EXPECT_EQ(list.CurrentTexture(), CustomBackgroundList::kNoPicture) << "switching is off";
    list.SetOwnImage(true);
    EXPECT_FALSE(list.CustomBackgroundOn());
    list.Tick();
    EXPECT_TRUE(list.CustomBackgroundOn());
    EXPECT_EQ(list.CurrentTexture(), list.Rows()[0].texture)
        << "Repeat One does not keep the no-picture name of a click made while off";
    list.SetOwnImage(false);
    EXPECT_FALSE(list.Switching());
    EXPECT_FALSE(list.Rows()[0].on);
    list.Tick();
    EXPECT_FALSE(list.CustomBackgroundOn());
}

TEST(CustomBackgroundList, FullListsAndBrokenPicturesAreRefusedWithTheirMessages) {
    MessageLog messages;
    FakeLoader loader;
    CustomBackgroundList list(loader);
    list.SetOwnImage(true);
    list.AddChosen({"/p/broken.png"});
    EXPECT_EQ(messages.texts, Paths{"(/p/broken.png)image loading error."});
    EXPECT_TRUE(list.Rows().empty());
    EXPECT_FALSE(list.Switching()) << "a failed load stops the switching";
    EXPECT_TRUE(list.OwnImage()) << "and leaves the box alone";
    list.AddChosen({"/p/a.png"});
    EXPECT_TRUE(list.Switching()) << "the first row of the empty list started it";
    list.AddChosen({"/p/broken.png"});
    EXPECT_TRUE(list.Switching()) << "any add that leaves one row starts it again";

    messages.texts.clear();
    list.AddChosen(Paths(12, "/p/a.png"));
    EXPECT_EQ(list.Rows().size(), 10u);
    EXPECT_EQ(messages.texts, Paths{"The maximum number of background is: 10"})
        << "once, however many more were chosen";
}

TEST(CustomBackgroundList, TheSavedListComesBackAndAnOverlongOneIsCutWithOneMessage) {
    MessageLog messages;
    std::string text =
        "[Custom Images]\nOwnImage=1\nCycImage=1\nRepeatImage=1\nImageTime=\n"
        "ImageSum=15\n";
    for (int row = 0; row < 15; ++row) {
        text += "ImageList" + std::to_string(row) + "=/p/" + std::to_string(row) + ".png\n";
    }
    FakeLoader loader;
    CustomBackgroundList list(loader);
    list.Restore(ReadCustomImagesSettings(ProfileText(text)));
    EXPECT_EQ(list.Rows().size(), 10u);
    EXPECT_EQ(messages.texts, Paths{"The maximum number of background is: 10"});
    EXPECT_EQ(list.Mode(), ListSection::kRepeatAll) << "Repeat All wins over Repeat One";
    EXPECT_EQ(list.Interval(), "5");
    EXPECT_TRUE(list.Switching());

    list.SetMode(ListSection::kRandom);
    list.SetInterval("12");
    list.RemoveImage(0);
    ProfileText written(text);
    WriteCustomImagesSettings(list.Saved(), written);
    const CustomImagesSettings back = ReadCustomImagesSettings(written);
    EXPECT_TRUE(back.list.randomOrder);
    EXPECT_FALSE(back.list.repeatAll);
    EXPECT_FALSE(back.list.repeatOne);
    EXPECT_TRUE(back.list.ownOn);
    EXPECT_EQ(back.interval, "12");
    EXPECT_EQ(back.list.rows.size(), 9u);
    EXPECT_EQ(back.list.rows.front(), "/p/1.png");

    // A thousand broken rows tell of the first eleven only.
    std::string broken = "[Custom Images]\nImageSum=1000\n";
    for (int row = 0; row < 1000; ++row) {
        broken += "ImageList" + std::to_string(row) + "=/p/broken.png\n";
    }
    messages.texts.clear();
    list.Restore(ReadCustomImagesSettings(ProfileText(broken)));
    EXPECT_EQ(messages.texts.size(), 11u);
    EXPECT_TRUE(list.Rows().empty());
}
