#pragma once

// mpv's "volume", 0..100, is a loudness scale: it multiplies the amplitude by
// (volume / 100)^3. The program's two volumes meet that curve here and
// nowhere else.

// The play list's volume, 0..1000 (the Custom Music dialog's slider), is
// mpv's own scale ten times finer, so it moves evenly in loudness.
double MpvVolumeForPlayList(int volume);

// The built-in tune's level, 0..65535, is linear in amplitude, as the
// wave-out volume it stands for.
double MpvVolumeForAmplitude(int level);
