#pragma once

#include <memory>

#include <wx/app.h>

class SingleInstanceGuard;

// Start-up: refuses to run beside another copy, then opens the main frame.
class CAquariumApp : public wxApp {
  public:
    CAquariumApp();
    ~CAquariumApp() override;

    bool OnInit() override;

  private:
    // Held until the process ends; the system drops them with it.
    std::unique_ptr<SingleInstanceGuard> firstGuard_;
    std::unique_ptr<SingleInstanceGuard> titleGuard_;
};
