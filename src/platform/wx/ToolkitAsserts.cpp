#include "platform/wx/ToolkitAsserts.h"

#include <cstdio>
#include <cstdlib>

#include <wx/debug.h>
#include <wx/string.h>

namespace {
void ReportAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
    std::fprintf(stderr, "velmar: %s(%d): assertion \"%s\" failed in %s(): %s\n",
                 file.utf8_str().data(), line, condition.utf8_str().data(),
                 function.utf8_str().data(), message.utf8_str().data());
#ifndef NDEBUG
    std::abort();
#endif
}
}  // namespace

void ReportToolkitAssertsOnStandardError() {
    wxSetAssertHandler(ReportAssert);
}
