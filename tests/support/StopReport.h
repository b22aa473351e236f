// Checks on the stop routine: a statement must end the process with exit code 0 and
// leave the given error number in the debug report of the error log.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/ErrorLog.h"
#include "core/RuntimeContext.h"

namespace zentoir::testing {

// The error number of the last debug report in the error log, -1 when there is none.
int ReportedErrorCode();

}  // namespace zentoir::testing

// Needs $TMPDIR to point at a folder of the test's own (TempDir), where the log goes.
#define EXPECT_STOPS_WITH_ERROR(statement, code)                              \
  do {                                                                        \
    ::zentoir::RemoveErrorLog();                                              \
    ::zentoir::Runtime().debugMode = 1;                                       \
    EXPECT_EXIT(                                                              \
        {                                                                     \
          statement;                                                          \
          std::exit(99);                                                      \
        },                                                                    \
        ::testing::ExitedWithCode(0), "");                                    \
    ::zentoir::Runtime().debugMode = 0;                                       \
    EXPECT_EQ(::zentoir::testing::ReportedErrorCode(), (code)) << #statement; \
  } while (0)
