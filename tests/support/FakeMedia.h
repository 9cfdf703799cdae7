#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "core/pictures/CustomBackgroundList.h"

// An engine that answers by the next TakeEvents: names containing "bad" cannot
// be played, every other track is ready, and ends when PlayToTheEnd says so.
class FakePlayer : public MediaPlayer {
  public:
    void Open(const std::string& path) override {
        opened.push_back(path);
        playing = false;
        open_ = path.find("bad") == std::string::npos;
        events_ = {open_ ? TrackEvent::kReady : TrackEvent::kCannotPlay};
    }
    void Resume() override { playing = open_; }
    void Close() override {
        open_ = playing = false;
        events_.clear();
    }
    void SetVolume(int volume) override { volume_ = std::clamp(volume, 0, 1000); }
    int Volume() const override { return volume_; }
    std::vector<TrackEvent> TakeEvents() override { return std::exchange(events_, {}); }

    void PlayToTheEnd() {
        if (playing) events_.push_back(TrackEvent::kEnded);
        playing = false;
    }
    std::vector<std::string> opened;
    // Whether a track that can be played is playing.
    bool playing = false;

  private:
    bool open_ = false;
    std::vector<TrackEvent> events_;
    int volume_ = 1000;
};

// Records the volume of each start and counts the stops.
class FakeTune : public TunePlayer {
  public:
    void StartLooping(const std::vector<std::uint8_t>&, int volume) override {
        starts.push_back(volume);
    }
    void Stop() override { ++stops; }
    void SetVolume(int volume) override { volumes.push_back(volume); }
    std::vector<int> starts;
    std::vector<int> volumes;
    int stops = 0;
};

// Texture names 1, 2, 3, ... in load order; paths with "broken" in them fail.
class FakeLoader : public PictureTextureLoader {
  public:
    unsigned LoadPicture(const std::string& path) override {
        return path.find("broken") == std::string::npos ? ++lastName_ : 0;
    }
    void ReleasePicture(unsigned texture) override { released.push_back(texture); }

    std::vector<unsigned> released;

  private:
    unsigned lastName_ = 0;
};
