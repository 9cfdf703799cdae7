#pragma once

#include <string>

// A file chooser's filter text as wx takes it: "label|*.a;*.b|label|*.c".
// GTK's chooser matches the patterns case-sensitively, so "*.jpg" alone hides
// a camera's "IMG_0001.JPG": every pattern comes back followed by its upper-
// case spelling; the labels stay as they are.
std::string WithUpperCasePatterns(const std::string& filter);
