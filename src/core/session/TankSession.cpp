#include "core/session/TankSession.h"

#include "core/music/MusicHandover.h"
#include "core/music/PlayList.h"

TankSession::TankSession(PictureTextureLoader& loader, const StartupSettings& settings,
                         std::optional<SessionMusic> music)
    : pictures_(loader) {
    if (music) {
        playList_ = std::make_unique<PlayList>(music->player);
        playList_->SetVolume(music->playListVolume);
        playList_->Restore(settings.music);
        handover_ = std::make_unique<MusicHandover>(music->tune, std::move(music->tuneWav));
        handover_->SetTuneAttenuation(settings.tank.volume);
        handover_->SetTuneOn(music->tuneOn);
    }
    pictures_.Restore(settings.pictures);
}

TankSession::~TankSession() = default;

void TankSession::Tick() {
    pictures_.Tick();
    if (playList_) {
        handover_->SetCustomMusicActive(playList_->OwnMusicOn());
        playList_->Tick();
    }
    for (const std::function<void()>& listener : tickListeners_) listener();
}

void TankSession::SetTune(bool on, int attenuation) {
    if (!handover_) return;
    handover_->SetTuneOn(on);
    handover_->SetTuneAttenuation(attenuation);
}

void TankSession::AfterFrame() {
    if (handover_) handover_->AfterFrame();
}

void TankSession::AfterEachTick(std::function<void()> listener) {
    tickListeners_.push_back(std::move(listener));
}
