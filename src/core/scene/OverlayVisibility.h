#pragma once

// When the help text shows: for the first 100 frames after start-up, and after
// F1 turns it on. An automatic hide restarts the count; a manual hide with F1
// keeps it, so turning the text back on resumes where it stopped.
class OverlayVisibility {
  public:
    static constexpr int kShownFrames = 100;

    // Called once per frame before drawing; true when the text is drawn this frame.
    bool NextFrame();
    void Toggle() { showOverlay_ = !showOverlay_; }
    void Hide() { showOverlay_ = false; }
    bool Shown() const { return showOverlay_; }

  private:
    bool showOverlay_ = true;
    int overlayFrames_ = 0;
};
