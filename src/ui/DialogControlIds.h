#pragma once

// The control ids of the Custom Background, Custom Music and Preferences dialogs, which the
// whole-program tests find the controls by. The play modes' radio buttons take
// kFirstMode + the mode (Repeat One, Repeat All, Random).
namespace background_ids {
inline constexpr int kAddImage = 1008;
inline constexpr int kRemoveImage = 1011;
inline constexpr int kRemoveAll = 1012;
inline constexpr int kOwnImage = 1014;
inline constexpr int kList = 1015;
inline constexpr int kInterval = 1019;
inline constexpr int kFirstMode = 1023;
inline constexpr int kRepeatAll = kFirstMode + 1;
}  // namespace background_ids

namespace music_ids {
inline constexpr int kVolume = 1007;
inline constexpr int kOwnMusic = 1011;
inline constexpr int kList = 1016;
inline constexpr int kAddMusic = 1017;
inline constexpr int kRemove = 1018;
inline constexpr int kRemoveAll = 1019;
inline constexpr int kPlay = 1021;
inline constexpr int kStop = 1022;
inline constexpr int kFirstMode = 1023;
inline constexpr int kRepeatAll = kFirstMode + 1;
}  // namespace music_ids

namespace preference_ids {
inline constexpr int kWall = 1101;
inline constexpr int kGradient = 1102;
inline constexpr int kTopColour = 1103;
inline constexpr int kBottomColour = 1104;
inline constexpr int kLight = 1105;
inline constexpr int kBubbles = 1106;
inline constexpr int kHelpText = 1107;
inline constexpr int kTune = 1108;
inline constexpr int kTuneLevel = 1109;
inline constexpr int kWallpaperMusic = 1110;
inline constexpr int kPlacement = 1111;
inline constexpr int kFrameRate = 1112;
inline constexpr int kDayNight = 1113;
inline constexpr int kClock = 1114;
}  // namespace preference_ids
