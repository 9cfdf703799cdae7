#pragma once

#include <string>

// Names of the two copies a resource unpacks to, both in the unpack directory
// `dir` (with its trailing '/', or empty for the current directory).

// The scrambled copy: dir + name + ".ad".
std::string ScrambledCopyPath(const std::string& dir, const std::string& name);

// The plain copy: dir + name + ".wav" for exactly "Music", else ".bmp".
std::string PlainCopyPath(const std::string& dir, const std::string& name);

// dir + name + ".ad" -> the plain copy. When either file cannot be opened it
// prints "cannot open infile" or " cannot open outfile" on standard output and
// ends the process with status 1: start-up cannot go on without its assets.
void UnscrambleFile(const std::string& dir, const std::string& name);

// Deletes both copies; missing files are no error.
void DeleteUnpackedCopies(const std::string& dir, const std::string& name);
