#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "media/MpvPlayer.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Nothing reaches a sound device, yet mpv plays in real time.
const MpvOptions kNullAudio = {{"ao", "null"}};

constexpr int kRate = 22050;
constexpr int kLengthMs = 1500;

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// 1.5 s of a 440 Hz sine, 22050 Hz mono 16-bit, as a RIFF wave file.
std::vector<std::uint8_t> SineWav() {
    const std::uint32_t samples = kRate * kLengthMs / 1000;
    const std::uint32_t dataBytes = samples * 2;
    std::vector<std::uint8_t> wav = {'R', 'I', 'F', 'F'};
    PutLittleEndian(wav, 36 + dataBytes, 4);
    for (char c : std::string("WAVEfmt ")) wav.push_back(static_cast<std::uint8_t>(c));
    PutLittleEndian(wav, 16, 4);         // format chunk size
    PutLittleEndian(wav, 1, 2);          // PCM
    PutLittleEndian(wav, 1, 2);          // mono
    PutLittleEndian(wav, kRate, 4);      // sample rate
    PutLittleEndian(wav, kRate * 2, 4);  // bytes per second
    PutLittleEndian(wav, 2, 2);          // bytes per frame
    PutLittleEndian(wav, 16, 2);         // bits per sample
    for (char c : std::string("data")) wav.push_back(static_cast<std::uint8_t>(c));
    PutLittleEndian(wav, dataBytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = 12000.0 * std::sin(2.0 * M_PI * 440.0 * i / kRate);
        PutLittleEndian(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    return wav;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

bool PollUntil(const std::function<bool()>& done, milliseconds bound) {
    const auto deadline = Clock::now() + bound;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(milliseconds(10));
    }
    return true;
}

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

// Deterministic bytes that no demuxer takes for sound.
std::vector<std::uint8_t> Noise() {
    std::vector<std::uint8_t> bytes(20000);
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

std::vector<std::uint8_t> Text() {
    const std::string text = "Not a sound at all.\nJust two lines.\n";
    return {text.begin(), text.end()};
}

}  // namespace

// A sine as WAV and (when the lame encoder is installed) as MP3.
class PlayableTrack : public testing::TestWithParam<const char*> {
  protected:
    std::filesystem::path MakeTrack() {
        const auto wav = dir_.Path() / "sine.wav";
        WriteFile(wav, SineWav());
        if (std::string(GetParam()) == "wav") return wav;
        const auto mp3 = dir_.Path() / "sine.mp3";
        const std::string encode = "lame --quiet " + wav.string() + " " + mp3.string();
        if (std::system("command -v lame >/dev/null 2>&1") != 0) return {};
        EXPECT_EQ(std::system(encode.c_str()), 0);
        return mp3;
    }

    TempDir dir_;
};

TEST_P(PlayableTrack, OpensPausedThenPlaysSeeksAndEndsAtItsLength) {
    const auto track = MakeTrack();
    if (track.empty()) GTEST_SKIP() << "the lame encoder is not installed";
    MpvPlayer player(kNullAudio);
    ASSERT_TRUE(player.HasEngine());
    player.SetFile(track.string());
    player.Open();
    ASSERT_TRUE(player.CanPlay());
    const int length = player.GetLength();
    // MP3 rounds up to whole frames of 26 ms.
    EXPECT_NEAR(length, kLengthMs, 100);

    // Open leaves the track paused at its start.
    std::this_thread::sleep_for(milliseconds(200));
    EXPECT_EQ(player.GetPosition(), 0);

    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() >= 300; }, milliseconds(2000)));
    player.Stop();
    EXPECT_EQ(player.GetPosition(), 0);

    player.Seek(800);
    EXPECT_NEAR(player.GetPosition(), 800, 30);
    std::this_thread::sleep_for(milliseconds(150));
    EXPECT_NEAR(player.GetPosition(), 800, 30) << "Stop leaves it paused";

    // The play list sees the end of a track as position == length.
    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() == length; }, milliseconds(3000)));
    std::this_thread::sleep_for(milliseconds(150));
    EXPECT_EQ(player.GetPosition(), length);
    EXPECT_TRUE(player.CanPlay()) << "a finished track stays open";

    player.Seek(0);
    player.Play();
    EXPECT_TRUE(PollUntil([&] { return player.GetPosition() >= 200; }, milliseconds(2000)));
    EXPECT_LT(player.GetPosition(), length);

    player.Close();
    EXPECT_FALSE(player.CanPlay());
    EXPECT_EQ(player.GetPosition(), 0);
    EXPECT_EQ(player.GetLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, PlayableTrack, testing::Values("wav", "mp3"),
                         [](const auto& info) { return std::string(info.param); });

struct Unplayable {
    const char* name;
    const char* file;                      // empty for "no file"
    std::vector<std::uint8_t> (*bytes)();  // null: the file does not exist
};

void PrintTo(const Unplayable& param, std::ostream* out) {
    *out << param.name;
}

class UnplayableFile : public testing::TestWithParam<Unplayable> {};

TEST_P(UnplayableFile, ReportsCannotPlayQuicklyAndIgnoresTheRest) {
    TempDir dir;
    const Unplayable& param = GetParam();
    std::string path;
    if (*param.file) {
        path = (dir.Path() / param.file).string();
        if (param.bytes) WriteFile(path, param.bytes());
    }
    MpvPlayer player(kNullAudio);
    player.SetFile(path);
    const auto start = Clock::now();
    player.Open();
    EXPECT_LT(MsSince(start), 2500);
    EXPECT_FALSE(player.CanPlay());
    player.Play();
    player.Seek(500);
    EXPECT_EQ(player.GetPosition(), 0);
    EXPECT_EQ(player.GetLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, UnplayableFile,
                         testing::Values(Unplayable{"Noise", "noise.mp3", Noise},
                                         Unplayable{"Text", "text.wav", Text},
                                         Unplayable{"Missing", "missing.wav", nullptr},
                                         Unplayable{"NoFile", "", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MpvPlayer, VolumeIsHeldToItsRangeAndReadBack) {
    MpvPlayer player(kNullAudio);
    EXPECT_EQ(player.Volume(), 1000);
    for (auto [set, read] : {std::pair{250, 250}, {-5, 0}, {5000, 1000}, {999, 999}}) {
        player.SetVolume(set);
        EXPECT_EQ(player.Volume(), read) << set;
    }
}

TEST(MpvTunePlayer, StartsAndStopsWithoutWaitingAndLeavesNoFile) {
    TempDir dir;
    const auto tmp = dir.Path() / "tmp";
    std::filesystem::create_directory(tmp);
    ScopedEnv tmpdir("TMPDIR", tmp.string());
    const std::vector<std::uint8_t> wav = SineWav();
    {
        MpvTunePlayer tune(kNullAudio);
        ASSERT_TRUE(tune.HasEngine());
        for (int round = 0; round < 2; ++round) {
            auto start = Clock::now();
            tune.StartLooping(wav, 40000);
            EXPECT_LT(MsSince(start), 50);
            EXPECT_TRUE(PollUntil([&] { return tune.IsLoaded(); }, milliseconds(2000)));
            if (round == 0) {
                // Past the 1.5 s of the wave: still there, so it loops; once
                // started, playing it costs the process next to no processor time.
                std::this_thread::sleep_for(milliseconds(500));
                const std::clock_t cpuBefore = std::clock();
                std::this_thread::sleep_for(milliseconds(1300));
                EXPECT_LT(std::clock() - cpuBefore, CLOCKS_PER_SEC / 20);
                EXPECT_TRUE(tune.IsLoaded());
            }
            start = Clock::now();
            tune.Stop();
            EXPECT_LT(MsSince(start), 50);
            EXPECT_TRUE(PollUntil([&] { return !tune.IsLoaded(); }, milliseconds(2000)));
        }
        tune.StartLooping(wav, 65535);  // left playing for the destructor
        EXPECT_TRUE(std::filesystem::is_empty(tmp));
    }
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
}
