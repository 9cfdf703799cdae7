#pragma once

#include <string>
#include <vector>

#include "core/settings/ListSection.h"

class MediaPlayer;

// The user's own music without a window: the rows of the list, the selected
// row, the "On/Off" box, the play mode, and the engine's track choice and
// playback. The Custom Music dialog shows this state and sends its controls'
// actions here.
class PlayList {
  public:
    using PlayMode = ListSection::PlayMode;
    static constexpr PlayMode kRepeatOne = ListSection::kRepeatOne;
    static constexpr PlayMode kRepeatAll = ListSection::kRepeatAll;
    static constexpr PlayMode kRandom = ListSection::kRandom;
    static constexpr int kNoRow = -1;

    explicit PlayList(MediaPlayer& player) : player_(player) {}

    // The rows, each a file's full path, in list order.
    const std::vector<std::string>& Rows() const { return rows_; }
    void AddRow(const std::string& path) { rows_.push_back(path); }
    // Deletes the selected row and opens the next track. False (nothing
    // changes) when no row is selected.
    bool RemoveSelectedRow();
    void RemoveAllRows();

    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int row);
    bool OwnMusicOn() const { return ownMusicOn_; }
    PlayMode Mode() const { return mode_; }
    void SetMode(PlayMode mode) { mode_ = mode; }
    bool Playing() const { return playState_ == kPlaying; }
    int CurrentIndex() const { return currentIndex_; }
    // The row painted as playing.
    int HighlightedIndex() const { return highlightedIndex_; }
    int Volume() const { return volume_; }

    // The controls.
    void Play();
    void Stop() { StopPlayback(); }
    void ClickRow(int row);
    void SetOwnMusic(bool on);
    void SetVolume(int volume);

    // The list as the settings file keeps it. Restoring a list with rows and
    // "OwnMusic" on starts playing it.
    void Restore(const ListSection& settings);
    ListSection Saved() const;

    // Every 200 ms: at the end of a track the next one starts. While the track
    // opened last cannot be played, the row after it is tried instead, one
    // row a tick and each row once, so a list of only unplayable tracks comes
    // to rest without the engine being asked again.
    void Tick();

    // Chooses a row by the mode (the selected row when there is one, else by
    // the mode while playing; 0, `defaultIndex` or a random row when not) and
    // opens it, paused at 0; a track that cannot be played stops playback.
    void SelectNextTrack(int defaultIndex, bool useSelection);
    void StartPlayback();
    void StopPlayback();

  private:
    enum PlayState { kPlaying = 0, kNotStarted = 1, kStopped = 2 };
    int ChooseRow(int defaultIndex, bool useSelection) const;
    // Opens `row` (row 0 when it is out of range) paused at 0.
    void OpenRow(int row);

    MediaPlayer& player_;
    std::vector<std::string> rows_;
    int selectedRow_ = kNoRow;
    bool ownMusicOn_ = false;
    PlayMode mode_ = kRepeatOne;
    PlayState playState_ = kNotStarted;
    int currentIndex_ = kNoRow;
    int highlightedIndex_ = kNoRow;
    // The row that could not be played last, and how many rows in a row could not.
    int unplayableRow_ = kNoRow;
    int unplayableInARow_ = 0;
    int volume_ = 1000;
};
