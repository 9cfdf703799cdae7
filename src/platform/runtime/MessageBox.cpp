#include "platform/runtime/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {
void PrintToStandardError(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

MessageBoxPresenter& CurrentPresenter() {
    static MessageBoxPresenter presenter = PrintToStandardError;
    return presenter;
}
}  // namespace

void ShowMessageBox(const std::string& text, const std::string& caption) {
    CurrentPresenter()(text, caption);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    return std::exchange(CurrentPresenter(), std::move(presenter));
}
