#include "app/AquariumApp.h"

#include "app/MainFrame.h"
#include "platform/AppProfile.h"
#include "platform/ProcessExit.h"
#include "platform/SingleInstanceGuard.h"
#include "platform/WxMessageBox.h"
#include "render/AquariumView.h"
#include "render/FramePacing.h"

CAquariumApp::CAquariumApp() = default;
CAquariumApp::~CAquariumApp() = default;

bool CAquariumApp::OnInit() {
    firstGuard_ = std::make_unique<SingleInstanceGuard>("FirstMyProject_Velm");
    if (firstGuard_->AlreadyHeldElsewhere()) ExitProcessNow(0);
    titleGuard_ = std::make_unique<SingleInstanceGuard>("VelmarScr");
    if (titleGuard_->AlreadyHeldElsewhere()) return false;

    SetAppName("VelmarScr");
    InstallWxMessageBoxes();
    SetAppProfileKey("Local AppWizard-Generated Applications");

    auto* frame = new CMainFrame();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(argv[i].ToStdString());
    if (const std::optional<int> maxFps = MaxFpsFromArguments(arguments)) {
        frame->View()->SetMaxFps(*maxFps);
    }
    SetTopWindow(frame);
    frame->ShowAndStartScene();
    return true;
}
