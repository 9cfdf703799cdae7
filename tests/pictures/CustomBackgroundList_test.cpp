#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/pictures/CustomBackgroundList.h"
#include "core/settings/ProfileText.h"
#include "platform/runtime/Random.h"
#include "support/FakeMedia.h"
#include "support/TestSupport.h"

namespace {
// The paths on show after each of `ticks` ticks, one after the other.
std::string ShownOverTicks(CustomBackgroundList& list, int ticks) {
    std::string shown;
    for (int tick = 0; tick < ticks; ++tick) {
        list.Tick();
        for (const auto& row : list.Rows()) {
            if (row.on && row.texture == list.CurrentTexture()) shown += row.path;
        }
    }
    return shown;
}

using Paths = std::vector<std::string>;
}  // namespace

// Mode, the row clicked after the first switch, and the pictures shown; random
// follows the C runtime's stream from its start: 41, 18467, 6334, 26500.
TEST(CustomBackgroundList, EachPlayModeShowsThePicturesInItsOrder) {
    const std::tuple<CustomBackgroundList::PlayMode, int, std::string> cases[] = {
        {ListSection::kRepeatAll, CustomBackgroundList::kNoRow, "BCAB"},
        {ListSection::kRepeatOne, CustomBackgroundList::kNoRow, "AAAA"},
        {ListSection::kRepeatOne, 2, "ACCC"},
        {ListSection::kRandom, CustomBackgroundList::kNoRow, "CCBB"}};
    for (const auto& [mode, clicked, expected] : cases) {
        ResetCrtRand();
        FakeLoader loader;
        CustomBackgroundList list(loader);
        list.SetInterval("0");
        list.SetMode(mode);
        list.AddChosen({"A", "B", "C"});
        list.SetOwnImage(true);
        const std::string first = ShownOverTicks(list, 1);
        if (clicked != CustomBackgroundList::kNoRow) list.ClickRow(clicked);
        EXPECT_EQ(first + ShownOverTicks(list, 3), expected) << mode << " " << clicked;
    }
}

// Ticks 1, 11 and 21 switch at an interval of 2; millions of milliseconds must
// not wrap round.
TEST(CustomBackgroundList, TheIntervalCountsWholeTicksAndTheFirstTickSwitchesAtOnce) {
    const std::tuple<std::string, int, int> cases[] = {
        {"2", 21, 3}, {"0", 5, 5}, {"", 5, 5}, {"5", 30, 2}, {"4000000", 100, 1}};
    for (const auto& [interval, ticks, switches] : cases) {
        FakeLoader loader;
        CustomBackgroundList list(loader);
        list.SetMode(ListSection::kRepeatAll);
        list.SetInterval(interval);
        list.AddChosen({"A", "B"});
        list.SetOwnImage(true);
        int switched = 0;
        for (int tick = 0; tick < ticks; ++tick) {
            const unsigned shown = list.CurrentTexture();
            list.Tick();
            switched += list.CurrentTexture() != shown ? 1 : 0;
        }
        EXPECT_EQ(switched, switches) << "interval \"" << interval << "\"";
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
