#pragma once

// The toolkit's assertion failures go to standard error with their place. A
// release build then goes on, as the toolkit does after a dismissed report,
// so no developer's dialog ever stands in front of a user; other builds stop
// there, so a test run cannot miss one.
void ReportToolkitAssertsOnStandardError();
