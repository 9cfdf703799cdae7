#pragma once

// The control ids of the Custom Background and Custom Music dialogs, which the
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
