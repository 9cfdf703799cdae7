#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <wx/app.h>

#include "app/MainFrame.h"
#include "interaction/CommandIds.h"
#include "support/TempDir.h"

namespace {
std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// Opens the real frame and view in this process and sends the Exit command the
// way the popup menu does, through the frame's command routing.
[[noreturn]] void OpenFrameAndSendExit() {
    int argc = 1;
    char name[] = "velmar";
    char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) std::_Exit(2);
    auto* frame = new CMainFrame();
    frame->ShowAndStartScene();
    wxCommandEvent exit(wxEVT_MENU, kCommandExit);
    frame->ProcessWindowEvent(exit);
    std::_Exit(3);
}
}  // namespace

TEST(ExitCommand, TearsTheSceneDownOnceAndEndsWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The child re-runs this test from the start; it finds the trace path the
    // parent chose in its environment instead of making a folder of its own.
    std::optional<TempDir> temp;
    if (!std::getenv("VELMAR_TRACE_FILE")) {
        temp.emplace();
        setenv("VELMAR_TRACE_FILE", (temp->Path() / "trace.txt").c_str(), 1);
    }
    const std::filesystem::path trace = std::getenv("VELMAR_TRACE_FILE");
    EXPECT_EXIT(OpenFrameAndSendExit(), testing::ExitedWithCode(0), "");
    unsetenv("VELMAR_TRACE_FILE");
    EXPECT_EQ(ReadLines(trace), std::vector<std::string>{"DestroyScene"});
}
