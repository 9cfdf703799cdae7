#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/ProgramNames.h"
#include "platform/wx/WxMessageBox.h"
#include "resources/PictureBytes.h"
#include "support/LiveTank.h"
#include "ui/DialogControlIds.h"

TEST(CustomBackgroundDialog,
     TwoPicturesTakeTurnsOnTheBackgroundAreKeptAndABrokenOneLeavesTheKeyboardThere) {
    TempDir pictures;
    const std::string first = (pictures.Path() / "first.bmp").string();
    const std::string second = (pictures.Path() / "second.bmp").string();
    for (const std::string& picture : {first, second}) WriteFile(picture, MakeBitmap(64, 64, 24));
    const std::string broken = (pictures.Path() / "broken.png").string();
    using namespace background_ids;
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        tank.OnUiThread(InstallWxMessageBoxes);
        tank.Server().ChooseFromMenu(100, 100, 7);  // "  Custom Background"
        LiveDialog dialog(tank, DialogTitle("Custom Background"));
        ASSERT_TRUE(dialog.Shown());
        for (const int rows : {1, 2}) {
            ASSERT_TRUE(dialog.ChooseFile(kAddImage, "Add Image", rows == 1 ? first : second));
            ASSERT_TRUE(
                dialog.WaitFor(kList, [rows](auto& list) { return list.GetItemCount() == rows; }));
            if (rows == 1) dialog.Click(kList, 0);
        }
        EXPECT_TRUE(dialog.WaitFor(kList, [](auto& list) {
            return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) == 0;
        })) << "adding a picture keeps the row the user selected";
        dialog.Click(kInterval);
        tank.Server().Run("xdotool key ctrl+a type 1");
        dialog.Click(kRepeatAll);
        dialog.Click(kOwnImage);

        // The list marks the picture on show: they take turns every second.
        std::set<wxString> onOff;
        EXPECT_TRUE(PollUntil(
            [&] {
                onOff.insert(dialog.Read<wxString>(kList, [](wxListCtrl& list) {
                    return list.GetItemText(0, 1) + list.GetItemText(1, 1);
                }));
                return onOff.count("ONOFF") && onOff.count("OFFON");
            },
            kPatientMs));

        // A picture that does not load says so in a box; after it the keyboard
        // is the dialog's again, and Escape hides the dialog, not the program.
        WriteFile(broken, "Dear diary,\nthis is not a picture.\n");
        ASSERT_TRUE(dialog.ChooseFile(kAddImage, "Add Image", broken));
        std::string box;
        ASSERT_TRUE(PollUntil(
            [&] {
                box =
                    std::to_string(std::atol(tank.Server().Run("xdotool getactivewindow").c_str()));
                return box != "0" && box != dialog.Window() &&
                       tank.Server().ShownWindows("Add Image").empty();
            },
            kPatientMs));
        tank.Server().Run("xdotool key Return");
        ASSERT_TRUE(PollUntil([&] { return tank.Server().HasFocus(dialog.Window()); }, kPatientMs))
            << "the keyboard stayed on " << box;
        tank.Server().Run("xdotool key Escape");
        EXPECT_TRUE(dialog.Gone());
        const std::string file = ReadFile(tank.SettingsPath());
        for (const std::string& line :
             std::vector<std::string>{"OwnImage=1", "CycImage=1", "ImageTime=1", "ImageSum=2",
                                      "ImageList0=" + first, "ImageList1=" + second})
            EXPECT_NE(file.find(line + "\n"), std::string::npos) << line << " in\n" << file;
    });
}
