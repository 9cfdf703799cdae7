#include "app/AquariumApp.h"

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
    firstGuard_ = std::make_unique<SingleInstanceGuard>("FirstMyProject_Velm");
    if (firstGuard_->AlreadyHeldElsewhere()) ExitProcessNow(0);
    titleGuard_ = std::make_unique<SingleInstanceGuard>(kWindowName);
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
