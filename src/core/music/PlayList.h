#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/ListSection.h"

class MediaPlayer;

// The user's own music without a window: the rows of the list, the "On/Off"
// box, the play mode, and the engine's track choice and playback. The Custom
// Music dialog shows this state and sends its controls' actions here, with the
// row its list shows selected. The engine answers later than it is asked:
// whether a track plays, and when it ends, is learned at the ticks.
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
    // changes) when `selected` is no row.
    bool RemoveRow(int selected);
    void RemoveAllRows() { rows_.clear(); }

    bool OwnMusicOn() const { return ownMusicOn_; }
    PlayMode Mode() const { return mode_; }
    void SetMode(PlayMode mode) { mode_ = mode; }
    bool Playing() const { return playState_ == kPlaying; }
    // The row painted as playing: the one whose track the engine has ready.
    int HighlightedIndex() const { return highlightedIndex_; }
    int Volume() const { return volume_; }

    // The controls. Play and a click choose a row (see ChooseRow) and open it;
    // `selected` is the row the list shows selected, or kNoRow.
    void Play(int selected);
    void Stop() { StopPlayback(); }
    void ClickRow(int row);
    void SetOwnMusic(bool on, int selected);
    void SetVolume(int volume);
    // The selection the list is to show, once, when playback changed it since
    // the last call: none after a stop, the playing row when another row lights.
    std::optional<int> TakeSelectionToShow() { return std::exchange(selectionToShow_, {}); }

    // The list as the settings file keeps it. Restoring a list with rows and
    // "OwnMusic" on starts playing it.
    void Restore(const ListSection& settings);
    ListSection Saved() const;

    // Every 200 ms: acts on what the engine reported since. A track that ended
    // makes way for the next one. A track that cannot be played stops the
    // list; when it was opened to play on (Play, or the end of a track) the
    // list keeps playing and the row after it is tried instead, each row once,
    // so a list of only unplayable tracks comes to rest without the engine
    // being asked again.
    void Tick();

  private:
    enum PlayState { kPlaying = 0, kNotStarted = 1, kStopped = 2 };
    // The selected row when there is one (or while playing, when a click
    // chose it); else by the mode while playing; 0 or a random row when not.
    int ChooseRow(int selected, bool useSelection) const;
    // Chooses a row and opens it, paused at 0.
    void SelectNextTrack(int selected, bool useSelection);
    // Opens `row` (row 0 when it is out of range) paused at 0.
    void OpenRow(int row);
    void StartPlayback();
    // Playback that passes over the tracks that cannot be played.
    void PlayOn();
    void StopPlayback();
    void PassOverUnplayableTrack();

    MediaPlayer& player_;
    std::vector<std::string> rows_;
    std::optional<int> selectionToShow_;
    bool ownMusicOn_ = false;
    PlayMode mode_ = kRepeatOne;
    PlayState playState_ = kNotStarted;
    int currentIndex_ = kNoRow;
    int highlightedIndex_ = kNoRow;
    // Whether the track opened last, should it not play, makes way for the
    // row after it; and how many rows in a row could not be played.
    bool passOverUnplayable_ = false;
    int unplayableInARow_ = 0;
    int volume_ = 1000;
};
