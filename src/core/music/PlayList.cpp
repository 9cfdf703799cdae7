#include "core/music/PlayList.h"

#include <algorithm>

#include "core/music/MediaPlayer.h"
#include "platform/runtime/Random.h"

bool PlayList::RemoveSelectedRow() {
    if (selectedRow_ == kNoRow) return false;
    rows_.erase(rows_.begin() + selectedRow_);
    selectedRow_ = kNoRow;
    SelectNextTrack(0, false);
    return true;
}

void PlayList::RemoveAllRows() {
    rows_.clear();
    selectedRow_ = kNoRow;
}

void PlayList::SelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : kNoRow;
}

void PlayList::Play() {
    SelectNextTrack(0, false);
    PlayOn();
}

void PlayList::ClickRow(int row) {
    SelectRow(row);
    if (selectedRow_ == kNoRow) return;
    SelectNextTrack(0, true);
    if (Playing()) StartPlayback();
}

void PlayList::SetOwnMusic(bool on) {
    ownMusicOn_ = on;
    if (!on) {
        if (Playing()) StopPlayback();
    } else {
        Play();
    }
}

void PlayList::SetVolume(int volume) {
    player_.SetVolume(volume);
    volume_ = player_.Volume();
}

void PlayList::Restore(const ListSection& settings) {
    rows_ = settings.rows;
    selectedRow_ = kNoRow;
    ownMusicOn_ = settings.ownOn;
    mode_ = settings.Mode();
    if (!rows_.empty() && ownMusicOn_) Play();
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
                if (Playing()) highlightedIndex_ = currentIndex_;
                break;
            case TrackEvent::kEnded:
                if (Playing()) Play();
                break;
            case TrackEvent::kCannotPlay:
                PassOverUnplayableTrack();
                break;
        }
    }
}

int PlayList::ChooseRow(int defaultIndex, bool useSelection) const {
    const int count = static_cast<int>(rows_.size());
    const bool playing = Playing();
    if (!playing || useSelection) {
        if (selectedRow_ != kNoRow || playing) return selectedRow_;
        switch (mode_) {
            case kRepeatOne:
                return defaultIndex;
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

void PlayList::SelectNextTrack(int defaultIndex, bool useSelection) {
    if (rows_.empty()) return;
    unplayableInARow_ = 0;
    OpenRow(ChooseRow(defaultIndex, useSelection));
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
    selectedRow_ = kNoRow;
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
