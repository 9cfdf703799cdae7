#pragma once

#include <functional>
#include <string>

// Modal message boxes with an OK button. The core reports through this hook so
// it needs no window system; the application installs the real dialog at
// start-up, and until then (and in unit tests) messages go to standard error.
using MessageBoxPresenter =
    std::function<void(const std::string& text, const std::string& caption)>;

void ShowMessageBox(const std::string& text, const std::string& caption);

// Replaces the presenter; returns the previous one so a test can restore it.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
