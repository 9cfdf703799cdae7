#pragma once

#include <string>
#include <vector>

#include "platform/posix/MessageBox.h"

// Collects the texts of the message boxes shown while it lives.
class MessageLog {
  public:
    MessageLog()
        : previous_(SetMessageBoxPresenter(
              [this](const std::string& text, const std::string&) { texts.push_back(text); })) {}
    ~MessageLog() { SetMessageBoxPresenter(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<std::string> texts;

  private:
    MessageBoxPresenter previous_;
};
