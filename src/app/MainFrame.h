#pragma once

#include <wx/frame.h>

class CAquariumView;

// The top-level window: no caption, menu or border, covering the whole display,
// with the scene view as its only child. Escape typed anywhere in it ends the
// process at once; commands reach the view before the frame.
class CMainFrame : public wxFrame {
  public:
    CMainFrame();

    // Shows the frame over the whole display and starts the scene in the view.
    void ShowAndStartScene();

    // Null when start-up found no temporary path: the frame then stays empty.
    CAquariumView* View() const { return view_; }

  private:
    bool TryBefore(wxEvent& event) override;
    void OnCharHook(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);

    CAquariumView* view_ = nullptr;
};
