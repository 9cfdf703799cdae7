#include <gtest/gtest.h>

#include <fstream>
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
    // The child re-runs this test from the start, so it finds the trace path
    // in the environment the parent set up rather than making a folder of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir temp;
    const std::filesystem::path trace = temp.Path() / "trace.txt";
    setenv("VELMAR_TRACE_FILE", trace.c_str(), 0);
    EXPECT_EXIT(OpenFrameAndSendExit(), testing::ExitedWithCode(0), "");
    unsetenv("VELMAR_TRACE_FILE");
    EXPECT_EQ(ReadLines(trace), std::vector<std::string>{"DestroyScene"});
}
