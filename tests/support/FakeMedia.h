#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/music/MediaPlayer.h"
#include "core/pictures/CustomBackgroundList.h"

// An engine whose tracks last 1000 ms; names containing "bad" cannot be
// played, nor can files named in `gone` once they are opened again.
class FakePlayer : public MediaPlayer {
  public:
    void SetFile(const std::string& path) override { file_ = path; }
    void Open() override {
        opened.push_back(file_);
        position_ = 0;
        canPlay_ = !file_.empty() && file_.find("bad") == std::string::npos &&
                   std::find(gone.begin(), gone.end(), file_) == gone.end();
    }
    bool CanPlay() const override { return canPlay_; }
    void Play() override { playing = true; }
    void Stop() override { playing = false; }
    void Close() override { canPlay_ = false; }
    void Seek(int positionMs) override { position_ = positionMs; }
    int GetPosition() const override { return position_; }
    int GetLength() const override { return CanPlay() ? 1000 : 0; }
    void SetVolume(int volume) override { volume_ = std::clamp(volume, 0, 1000); }
    int Volume() const override { return volume_; }

    void PlayToTheEnd() { position_ = GetLength(); }
    std::vector<std::string> opened;
    std::vector<std::string> gone;
    bool playing = false;

  private:
    std::string file_;
    bool canPlay_ = false;
    int position_ = 0;
    int volume_ = 1000;
};

// Records the volume of each start and counts the stops.
class FakeTune : public TunePlayer {
  public:
    void StartLooping(const std::vector<std::uint8_t>&, int volume) override {
        starts.push_back(volume);
    }
    void Stop() override { ++stops; }
    std::vector<int> starts;
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
