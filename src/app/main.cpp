#include <cstdio>
#include <cstdlib>
#include <optional>

#include <wx/app.h>

#include "app/AquariumApp.h"
#include "app/ScreensaverHost.h"
#include "core/CommandLine.h"
#include "core/settings/SettingsFile.h"
#include "platform/posix/LargeBlocks.h"
#include "platform/posix/TerminationSignals.h"
#include "platform/runtime/Translation.h"
#include "platform/wx/ToolkitAsserts.h"
#include "platform/wx/WxTranslations.h"
#include "ui/X11Desktop.h"

int main(int argc, char** argv) {
    ReturnLargeBlocksToTheSystem();
    UseTheUsersLanguage();
    const CommandLine options = ParseCommandLine(argc, argv);
    switch (options.action) {
        case CommandLine::Action::Help:
            std::fputs(UsageText(SettingsFileShownPath()).c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::puts(VersionText().c_str());
            return 0;
        case CommandLine::Action::UsageError:
            std::fprintf(stderr, "velmar: %s\n%s", options.error.c_str(),
                         UsageText(SettingsFileShownPath()).c_str());
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    InstallTerminationSignals();
    if (options.windowId) {
        return RunScreensaver(*options.windowId, options.maxFps, options.overrides);
    }
    // xscreensaver starts its hacks with -root but covers the real root with a
    // window of its own, which it names here: that window is the root to draw on.
    const char* saverWindow = std::getenv("XSCREENSAVER_WINDOW");
    const std::optional<unsigned long> saverId =
        saverWindow ? ParseWindowId(saverWindow) : std::nullopt;
    if (options.root || saverId) {
        return RunScreensaver(saverId.value_or(0), options.maxFps, options.overrides);
    }
    // The GL canvas is GLX only: on a Wayland desktop run through XWayland.
    setenv("GDK_BACKEND", "x11", 0);
    // A display that cannot be opened is the toolkit's to report.
    if (options.placement && options.placement->placement == Placement::kOneMonitor) {
        const X11Desktop desktop;
        const std::vector<Monitor> monitors = desktop.Monitors();
        if (desktop.Connected() && !NamesAMonitor(options.placement->monitor, monitors)) {
            std::fprintf(stderr, "velmar: %s\n",
                         Filled(Tr("no monitor %d: this display's monitors are numbered 0 to %zu"),
                                options.placement->monitor, monitors.size() - 1)
                             .c_str());
            return 2;
        }
    }

    ReportToolkitAssertsOnStandardError();
    bool anotherCopyRuns = false;
    wxApp::SetInstance(new CAquariumApp(
        TankWindowsOptions{options.placement, options.maxFps, options.overrides}, anotherCopyRuns));
    // The options are ours: GTK must not read (or take out) any of them.
    int toolkitArgc = 1;
    const int status = wxEntry(toolkitArgc, argv);
    return anotherCopyRuns ? 0 : status;
}
