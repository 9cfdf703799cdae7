#include "app/AquariumApp.h"

#include <cstdlib>
#include <string>

#include <wx/log.h>

#include "platform/ProgramNames.h"
#include "platform/posix/ProcessExit.h"
#include "platform/posix/SingleInstanceGuard.h"
#include "platform/posix/TerminationSignals.h"
#include "platform/wx/AppProfile.h"
#include "platform/wx/WxMessageBox.h"

CAquariumApp::CAquariumApp(const TankWindowsOptions& options, bool& anotherCopyRuns)
    : options_(options), anotherCopyRuns_(anotherCopyRuns) {}
CAquariumApp::~CAquariumApp() = default;

bool CAquariumApp::Initialize(int& argc, wxChar** argv) {
    wxLog* const windowed = wxLog::SetActiveTarget(new wxLogStderr);
    const bool started = wxApp::Initialize(argc, argv);
    delete wxLog::SetActiveTarget(windowed);
    return started;
}

bool CAquariumApp::OnInit() {
    // The toolkit opened this display: a copy on another one is another session's.
    const char* display = std::getenv("DISPLAY");
    const std::string shownOn = display ? display : "";
    firstGuard_ = std::make_unique<SingleInstanceGuard>("FirstMyProject_Velm", shownOn);
    if (firstGuard_->AlreadyHeldElsewhere()) ExitProcessNow(0);
    titleGuard_ = std::make_unique<SingleInstanceGuard>(kWindowName, shownOn);
    if (titleGuard_->AlreadyHeldElsewhere()) {
        anotherCopyRuns_ = true;
        return false;
    }

    // Polled on the UI thread, which also writes the settings: the end never
    // falls inside a write.
    terminationPoll_.SetOwner(this);
    Bind(wxEVT_TIMER, &CAquariumApp::OnTerminationPoll, this);
    terminationPoll_.Start(100);

    SetAppName(kWindowName);
    InstallWxMessageBoxes();
    SetAppProfileKey("Local AppWizard-Generated Applications");

    windows_ = std::make_unique<TankWindows>(options_);
    if (!windows_->Frames().empty()) SetTopWindow(windows_->Frames().front());
    windows_->Show();
    return true;
}

void CAquariumApp::OnTerminationPoll(wxTimerEvent&) {
    if (TerminationRequested()) ExitProcessNow(0);
}
