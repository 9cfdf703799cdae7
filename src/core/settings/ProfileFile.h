#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Whole-file access for profile files. Reads and writes go through the whole
// text; the editing itself is ProfileText's.

// A settings file is a few kilobytes; a thousand of the longest paths fit in this
// many bytes with room to spare. A larger file is not read, and no text this
// large is written, so that every file written can be read back.
inline constexpr std::size_t kMaxProfileBytes = 4u << 20;

// The file's bytes; the empty text when no file exists at `path`. Nothing when
// something else is there or it cannot be read (a folder, a pipe, a device, a
// file above kMaxProfileBytes, no permission): such a file must not be
// replaced. Never waits: a pipe is opened without blocking and refused.
std::optional<std::string> ReadProfileFile(const std::string& path);

// Replaces the file with `text` so that the path holds either the old or the
// whole new text at every moment, even across a crash or a full disk: the text
// goes to a new file "NAME.tmp-PID-N" in the same folder, is flushed to the
// disk and then renamed over the old one. A symbolic link is followed and its
// target replaced. The file keeps its permissions; a new one gets 0666 less
// the umask. False when any step fails; the old file is then untouched and no
// stray file is left.
bool ReplaceProfileFile(const std::string& path, const std::string& text);

// Removes the temporary files that replacements of `path` left when their
// program was killed mid-save: those whose process is gone, and any older
// than ten minutes (a save takes milliseconds). Another running copy's file
// in the middle of its save is kept. Other files are never touched.
void RemoveStaleReplacements(const std::string& path);
