#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/settings/CustomImagesSettings.h"

// Turns a picture file into a texture name that the scene can show; 0 when
// the file cannot be read as a picture.
class PictureTextureLoader {
  public:
    virtual ~PictureTextureLoader() = default;
    virtual unsigned LoadPicture(const std::string& path) = 0;
    // Frees a texture LoadPicture gave once no row shows it any more.
    virtual void ReleasePicture(unsigned /*texture*/) {}
};

// The user's own background pictures without a window: the rows of the Custom
// Background dialog with their textures and "ON"/"OFF" states, the "Use your
// own image" box, the play mode and interval, and the 200 ms switching. The
// dialog shows this state and sends its controls' actions here; the scene
// shows CurrentTexture() while CustomBackgroundOn().
class CustomBackgroundList {
  public:
    using PlayMode = ListSection::PlayMode;
    static constexpr int kMaxImages = 10;
    static constexpr int kNoRow = -1;
    // What a choice gives while the list is empty or switching is off: a
    // texture name that holds no picture.
    static constexpr unsigned kNoPicture = 0xFFFFFFFFu;
    static constexpr int kTickMs = 200;

    struct Row {
        std::string path;
        unsigned texture = 0;
        bool on = false;  // the "State" column: the picture on show
    };

    explicit CustomBackgroundList(PictureTextureLoader& loader) : loader_(loader) {}

    const std::vector<Row>& Rows() const { return rows_; }

    enum class AddResult { kAdded, kListFull, kLoadFailed };
    // Loads the picture and appends its row. A full list refuses it with the
    // limit message; a picture that does not load gets the loading-error
    // message and stops the switching.
    AddResult AddBackgroundImage(const std::string& path);
    // The files chosen in "Add Image" or dropped on the list, in turn; after
    // the first refused for the limit the rest are not tried. While the box is
    // on, each one tried that leaves the list with one row starts the
    // switching, even one that failed to load.
    void AddChosen(const std::vector<std::string>& paths);
    // "Remove Image": deletes the row and its texture (none for kNoRow) and
    // puts row 0 on show.
    void RemoveImage(int selectedRow);
    void RemoveAll();
    // A click on a row puts it on show.
    void ClickRow(int row);

    bool OwnImage() const { return ownImage_; }
    void SetOwnImage(bool on);
    PlayMode Mode() const { return mode_; }
    void SetMode(PlayMode mode) { mode_ = mode; }
    // The Interval field's text, seconds in digits.
    const std::string& Interval() const { return interval_; }
    void SetInterval(std::string text) { interval_ = std::move(text); }

    // The texture to show next: row `index` when the user chose it, else the
    // next by the play mode; kNoPicture when the list is empty or switching is off.
    unsigned PickBackground(int index, bool byUser);
    void StartSwitching();
    void StopSwitching();
    bool Switching() const { return switching_; }

    // Every 200 ms: takes over the box for the scene and, when the interval
    // has passed (at once after StartSwitching), shows the next picture.
    void Tick();

    bool CustomBackgroundOn() const { return customBackgroundOn_; }
    unsigned CurrentTexture() const { return currentTexture_; }

    // The list as the settings file keeps it: clears the list, then adds each
    // saved picture (with the messages) and starts switching when the box is on.
    void Restore(const CustomImagesSettings& settings);
    CustomImagesSettings Saved() const;

  private:
    int RowOf(unsigned texture) const;
    void ShowOnly(int row);

    PictureTextureLoader& loader_;
    std::vector<Row> rows_;
    bool ownImage_ = false;
    PlayMode mode_ = ListSection::kRepeatOne;
    std::string interval_ = "5";
    unsigned currentTexture_ = 0;
    bool switching_ = false;
    int ticks_ = -1;
    bool customBackgroundOn_ = false;
};
