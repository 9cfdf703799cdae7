#include <gtest/gtest.h>

#include "platform/posix/TempPath.h"
#include "support/ScopedEnv.h"

TEST(HasTempPath, FalseWhenTheNamedTemporaryFolderDoesNotExist) {
    EXPECT_TRUE(HasTempPath());
    ScopedEnv tmpdir("TMPDIR", "/nonexistent/velmar-temp");
    EXPECT_FALSE(HasTempPath());
}
