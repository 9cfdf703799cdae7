#pragma once

#include <optional>
#include <string>

// Whole-file access for profile files. Reads and writes go through the whole
// text; the editing itself is ProfileText's.

// The file's bytes; the empty text when no file exists at `path`. Nothing when
// something else is there or it cannot be read (a folder, a file above 16 MiB,
// no permission): such a file must not be replaced.
std::optional<std::string> ReadProfileFile(const std::string& path);

// Replaces the file with `text` so that the path holds either the old or the
// whole new text at every moment, even across a crash or a full disk: the text
// goes to a new file in the same folder, is flushed to the disk and then renamed
// over the old one. A symbolic link is followed and its target replaced. The
// file keeps its permissions; a new one gets 0666 less the umask. False when
// any step fails; the old file is then untouched and no stray file is left.
bool ReplaceProfileFile(const std::string& path, const std::string& text);
