#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <wx/image.h>

#include "resources/DeclaredPictures.h"
#include "settings/SettingsTestFiles.h"
#include "support/LiveDialogs.h"
#include "support/MessageLog.h"
#include "support/ScreenCapture.h"

namespace {
enum class Shown { kRed, kBlue, kNeither };

// The background's colour at the top left, where the dialog is not: most of a
// few points, so that a fish swimming past does not count.
Shown BackgroundAt(const ScreenCapture& screen) {
    int red = 0;
    int blue = 0;
    for (int x : {20, 60, 100}) {
        for (int y : {20, 60, 100}) {
            const auto [r, g, b] = screen.At(x, y);
            if (r > b + 60 && r > g + 60) ++red;
            if (b > r + 60 && b > g + 60) ++blue;
        }
    }
    return red >= 6 ? Shown::kRed : blue >= 6 ? Shown::kBlue : Shown::kNeither;
}
}  // namespace

TEST(CustomBackgroundDialog, TwoPicturesAddedInTheDialogTakeTurnsOnTheBackgroundAndAreKept) {
    TempDir pictures;
    const std::string red = (pictures.Path() / "red.png").string();
    const std::string blue = (pictures.Path() / "blue.png").string();
    // Files that lie: a song named as a picture, and a picture of 3.6 billion
    // pixels in 33 bytes. Each is refused with its message, before decoding.
    const std::string song = (pictures.Path() / "song.jpg").string();
    const std::string huge = (pictures.Path() / "huge.png").string();
    WriteBytes(song, Mp3Bytes());
    WriteBytes(huge, PngDeclaring(60000, 60000));
    MessageLog messages;
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        tank.OnUiThread([&] {
            if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
            wxImage picture(64, 64);
            picture.SetRGB(wxRect(0, 0, 64, 64), 255, 0, 0);
            picture.SaveFile(red, wxBITMAP_TYPE_PNG);
            picture.SetRGB(wxRect(0, 0, 64, 64), 0, 0, 255);
            picture.SaveFile(blue, wxBITMAP_TYPE_PNG);
        });
        tank.ChooseFromMenu(100, 100, 7);  // "  Custom Background"
        LiveDialog dialog(tank, "Custom Background - Velmar Screensaver 1.0");
        ASSERT_TRUE(dialog.Shown());
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        const auto messageCount = [&] {
            std::size_t count = 0;
            tank.OnUiThread([&] { count = messages.texts.size(); });
            return count;
        };
        for (const std::string& picture : {red, song, huge, blue}) {
            if (picture == blue) dialog.ClickRow(1015, 0);
            const int before = dialog.FromList<int>(1015, rows);
            const std::size_t told = messageCount();
            dialog.Click(1008);  // "Add Image"
            ASSERT_TRUE(ChooseFile(tank, "Add Image", picture));
            ASSERT_TRUE(PollUntil(
                [&] {
                    return dialog.FromList<int>(1015, rows) == before + 1 || messageCount() > told;
                },
                15000));
        }
        EXPECT_EQ(dialog.FromList<int>(1015, rows), 2);
        EXPECT_EQ(dialog.FromList<long>(1015,
                                        [](wxListCtrl& list) {
                                            return list.GetNextItem(-1, wxLIST_NEXT_ALL,
                                                                    wxLIST_STATE_SELECTED);
                                        }),
                  0)
            << "adding a picture keeps the row the user selected";
        tank.OnUiThread([&] {
            EXPECT_EQ(messages.texts,
                      (std::vector<std::string>{"(" + song + ")image loading error.",
                                                "(" + huge + ")image loading error."}));
        });
        dialog.Click(1019);  // the Interval field
        tank.RunOnDisplay("xdotool key ctrl+a type 1");
        dialog.Click(1024);  // "Repeat All"
        dialog.Click(1014);  // "Use your own image"

        std::vector<Shown> seen;
        PollUntil(
            [&] {
                const Shown now = BackgroundAt(CaptureScreen(tank.Server().Display(), 1024, 768));
                if (now == Shown::kNeither || (!seen.empty() && seen.back() == now)) return false;
                seen.push_back(now);
                SaveScreenshot(tank.Server().Display(), now == Shown::kRed
                                                            ? "own-background-red.png"
                                                            : "own-background-blue.png");
                return seen.size() == 3;
            },
            12000);
        EXPECT_EQ(seen.size(), 3u) << "the pictures take turns every second";
        const auto states = [](wxListCtrl& list) {
            return list.GetItemText(0, 1) + list.GetItemText(1, 1);
        };
        const wxString onOff = dialog.FromList<wxString>(1015, states);
        EXPECT_TRUE(onOff == "ONOFF" || onOff == "OFFON") << onOff;

        EXPECT_TRUE(dialog.Close());
        const std::string file = ReadTextFile(tank.SettingsPath());
        for (const std::string& line :
             std::vector<std::string>{"OwnImage=1", "CycImage=1", "ImageTime=1", "ImageSum=2",
                                      "ImageList0=" + red, "ImageList1=" + blue}) {
            EXPECT_NE(file.find(line + "\n"), std::string::npos) << line << " in\n" << file;
        }
    });
}
