#pragma once

// Keeps the built-in tune and the user's own music apart. After every frame the
// frame timer hands over: while custom music is active the built-in tune is
// stopped and marked for a restart; once it is not, the tune starts again once.

// Copied every 200 ms from the Custom Music dialog's "On/Off" box.
extern bool customMusicActive;
// The built-in tune must be (re)started as soon as custom music is not active.
extern bool builtinMusicRestartPending;

class BuiltinTunePlayer {
  public:
    virtual ~BuiltinTunePlayer() = default;
    virtual void StartBuiltinTune() = 0;
    virtual void StopBuiltinTune() = 0;
};

void HandOverMusic(BuiltinTunePlayer& player);
