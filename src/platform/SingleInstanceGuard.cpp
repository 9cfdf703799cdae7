#include "platform/SingleInstanceGuard.h"

#include <cstdlib>

#include <wx/filename.h>
#include <wx/snglinst.h>
#include <wx/utils.h>

namespace {
// Lock files belong in the per-user runtime directory, not in the home folder.
wxString LockDirectory() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir) return wxString::FromUTF8(runtimeDir);
    return wxFileName::GetTempDir();
}
}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name)
    : checker_(std::make_unique<wxSingleInstanceChecker>()) {
    checker_->Create(wxString::FromUTF8(name) + "-" + wxGetUserId(), LockDirectory());
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::AlreadyHeldElsewhere() const {
    return checker_->IsAnotherRunning();
}
