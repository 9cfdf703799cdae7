#pragma once

#include <memory>

#include <wx/app.h>
#include <wx/timer.h>

#include "ui/TankWindows.h"

class SingleInstanceGuard;

// Start-up: refuses to run beside another copy, then opens the main frame.
// Ends the program as Escape does once SIGTERM or SIGINT has arrived.
class CAquariumApp : public wxApp {
  public:
    // `options` from the command line. `anotherCopyRuns` is set when start-up
    // declines because a copy holds the second guard, which ends the program
    // as quietly as the first.
    CAquariumApp(const TankWindowsOptions& options, bool& anotherCopyRuns);
    ~CAquariumApp() override;

    // Without a display GTK cannot start, and no dialog could say so: the
    // toolkit's complaint goes to standard error and the program ends.
    bool Initialize(int& argc, wxChar** argv) override;
    bool OnInit() override;

  private:
    void OnTerminationPoll(wxTimerEvent& event);

    // Held until the process ends; the system drops them with it.
    std::unique_ptr<SingleInstanceGuard> firstGuard_;
    std::unique_ptr<SingleInstanceGuard> titleGuard_;
    wxTimer terminationPoll_;
    TankWindowsOptions options_;
    std::unique_ptr<TankWindows> windows_;
    bool& anotherCopyRuns_;
};
