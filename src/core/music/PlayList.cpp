#include "core/music/PlayList.h"

#include <algorithm>

#include "core/music/MediaPlayer.h"
#include "platform/runtime/Random.h"

bool PlayList::RemoveRow(int selected) {
    if (selected < 0 || selected >= static_cast<int>(rows_.size())) return false;
    rows_.erase(rows_.begin() + selected);
    SelectNextTrack(kNoRow, false);
    return true;
}

void PlayList::Play(int selected) {
    SelectNextTrack(selected, false);
    PlayOn();
}

void PlayList::ClickRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    SelectNextTrack(row, true);
    if (Playing()) StartPlayback();
}

void PlayList::SetOwnMusic(bool on, int selected) {
    ownMusicOn_ = on;
    if (!on) {
        if (Playing()) StopPlayback();
    } else {
        Play(selected);
    }
}

void PlayList::SetVolume(int volume) {
    player_.SetVolume(volume);
    volume_ = player_.Volume();
}

void PlayList::Restore(const ListSection& settings) {
    rows_ = settings.rows;
    ownMusicOn_ = settings.ownOn;
    mode_ = settings.Mode();
    if (!rows_.empty() && ownMusicOn_) Play(kNoRow);
}

ListSection PlayList::Saved() const {
    ListSection settings;
    settings.SetMode(mode_);
    settings.ownOn = ownMusicOn_;
    settings.rows = rows_;
    return settings;
}

void PlayList::Tick() {
    for (TrackEvent event : player_.TakeEvents()) {
        switch (event) {
            case TrackEvent::kReady:
                if (Playing() && highlightedIndex_ != currentIndex_) {
                    highlightedIndex_ = currentIndex_;
                    selectionToShow_ = currentIndex_;
                }
                break;
            case TrackEvent::kEnded:
                if (Playing()) Play(kNoRow);
                break;
            case TrackEvent::kCannotPlay:
                PassOverUnplayableTrack();
                break;
        }
    }
}

int PlayList::ChooseRow(int selected, bool useSelection) const {
    const int count = static_cast<int>(rows_.size());
    const bool playing = Playing();
    if (!playing || useSelection) {
        if (selected >= 0 && selected < count) return selected;
        switch (mode_) {
            case kRepeatOne:
                return 0;
            case kRepeatAll:
                return 0;
            case kRandom:
                return CrtRand() % count;
        }
    }
    switch (mode_) {
        case kRepeatOne:
            return currentIndex_;
        case kRepeatAll:
            return currentIndex_ + 1 >= count ? 0 : currentIndex_ + 1;
        case kRandom:
            return CrtRand() % count;
    }
    return 0;
}

void PlayList::SelectNextTrack(int selected, bool useSelection) {
    if (rows_.empty()) return;
    unplayableInARow_ = 0;
    OpenRow(ChooseRow(selected, useSelection));
}

void PlayList::OpenRow(int row) {
    const int count = static_cast<int>(rows_.size());
    // A removed row may leave the index past the end; start the list again.
    currentIndex_ = row >= 0 && row < count ? row : 0;
    passOverUnplayable_ = false;
    player_.Open(rows_[currentIndex_]);
}

void PlayList::StartPlayback() {
    if (rows_.empty()) return;
    playState_ = kPlaying;
    player_.Resume();
    ownMusicOn_ = true;
}

void PlayList::PlayOn() {
    StartPlayback();
    passOverUnplayable_ = true;
}

void PlayList::StopPlayback() {
    playState_ = kStopped;
    player_.Close();
    currentIndex_ = kNoRow;
    highlightedIndex_ = kNoRow;
    selectionToShow_ = kNoRow;
}

void PlayList::PassOverUnplayableTrack() {
    const int row = currentIndex_;
    const bool playOn = passOverUnplayable_;
    ++unplayableInARow_;
    StopPlayback();
    if (!playOn) return;
    // Still playing, with no row lit, while the next row loads; once every
    // row has failed the list rests so.
    if (!rows_.empty() && unplayableInARow_ < static_cast<int>(rows_.size())) {
        OpenRow((row + 1) % static_cast<int>(rows_.size()));
    }
    PlayOn();
}
