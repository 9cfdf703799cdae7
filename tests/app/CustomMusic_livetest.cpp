#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <thread>

#include <wx/listctrl.h>
#include <wx/window.h>

#include "settings/SettingsTestFiles.h"
#include "support/LiveTank.h"

namespace {
// Two seconds of a quiet 440 Hz tone, 22050 Hz mono 16-bit.
void WriteTone(const std::filesystem::path& path) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * 2;
    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        put(static_cast<std::uint16_t>(
                static_cast<std::int16_t>(2000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate))),
            2);
    }
}

std::string WaitForWindowNamed(LiveTank& tank, const std::string& name) {
    for (int waited = 0; waited < 15000; waited += 100) {
        const std::string found =
            tank.Output("xdotool search --onlyvisible --name '^" + name + "$'");
        if (!found.empty()) return found.substr(0, found.find('\n'));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return "";
}

// The middle of the control with `id`, on the screen.
wxPoint CentreOf(LiveTank& tank, int id) {
    wxPoint centre;
    tank.OnUiThread([&] {
        if (wxWindow* control = wxWindow::FindWindowById(id)) {
            const wxRect box = control->GetScreenRect();
            centre = wxPoint(box.x + box.width / 2, box.y + box.height / 2);
        }
    });
    return centre;
}

// Polls from the test's own thread; `check` may run work on the interface thread.
bool PollUntil(const std::function<bool()>& check, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (check()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return check();
}

template <typename Result>
Result FromList(LiveTank& tank, const std::function<Result(wxListCtrl&)>& read) {
    Result result{};
    tank.OnUiThread([&] {
        if (auto* list = dynamic_cast<wxListCtrl*>(wxWindow::FindWindowById(1016))) {
            result = read(*list);
        }
    });
    return result;
}
}  // namespace

TEST(CustomMusicDialog, ATrackChosenInTheFileChooserPlaysAndTheListIsKeptOnHiding) {
    TempDir music;
    const std::filesystem::path track = music.Path() / "tone.wav";
    WriteTone(track);
    LiveTank tank(1024, 768, "");
    tank.Run([&](LiveTank& tank) {
        tank.ChooseFromMenu(100, 100, 6);  // "  Custom Music"
        const std::string dialog =
            WaitForWindowNamed(tank, "Custom Music - Velmar Screensaver 1.0");
        ASSERT_FALSE(dialog.empty());
        const wxPoint addMusic = CentreOf(tank, 1017);
        tank.Click(addMusic.x, addMusic.y);
        ASSERT_FALSE(WaitForWindowNamed(tank, "Add Music").empty());
        // Typing a path opens the chooser's location field.
        tank.RunOnDisplay("xdotool type --delay 20 '" + track.string() + "'");
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        tank.RunOnDisplay("xdotool key Return");
        const auto rows = [](wxListCtrl& list) { return list.GetItemCount(); };
        ASSERT_TRUE(PollUntil([&] { return FromList<int>(tank, rows) == 1; }, 15000));

        const wxPoint play = CentreOf(tank, 1021);
        tank.Click(play.x, play.y);
        // The playing row turns green.
        const auto playingRowGreen = [](wxListCtrl& list) {
            return list.GetItemBackgroundColour(0) == wxColour(0, 255, 0);
        };
        EXPECT_TRUE(PollUntil([&] { return FromList<bool>(tank, playingRowGreen); }, 10000));

        SendCloseRequest(tank.Server().Display(), dialog);
        EXPECT_TRUE(PollUntil(
            [&] {
                return tank.Output("xdotool search --onlyvisible --name '^Custom Music'").empty();
            },
            10000));
        const std::string file = ReadTextFile(tank.SettingsPath());
        EXPECT_NE(file.find("MusicSum=1"), std::string::npos) << file;
        EXPECT_NE(file.find("MusicList0=" + track.string()), std::string::npos) << file;
        EXPECT_NE(file.find("OwnMusic=1"), std::string::npos) << file;
    });
}
