#pragma once

// Numeric ids of the embedded resources (type "RCAD") and the names they are
// unpacked under.
constexpr int kBackgroundResourceId = 154;       // "BackGround0", 1024 x 512, LoadTextureRGBA
constexpr int kBubbleResourceId = 166;           // "Particle1", 32 x 32, LoadTextureBMP
constexpr int kMusicResourceId = 227;            // "Music", a looping WAV file
constexpr int kFirstFishSkinResourceId = 10000;  // + species 0..9: "fish0".."fish9", 128 x 64
constexpr int kFoodPelletResourceId = 10017;     // "fish17", 64 x 64, LoadTextureBMP

// The Fish Settings dialog's picture panel (type "BITMAP"): a 500 x 512 PNG,
// opaque, stored plain.
constexpr int kFishSettingsPanelBitmapId = 129;
