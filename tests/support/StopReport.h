// Helpers for code that ends the program: it runs in a child process (a death test)
// with the stop routine's debug report on, and the parent reads the report back.
#pragma once

#include <string>
#include <vector>

#include "base/ErrorLogFile.h"

namespace zentoir::testing {

// Turns on the stop routine's report of the error code and lines.
void EnableStopReport();

// The lines of the error log in the current TMPDIR (CR LF removed).
std::vector<std::string> ErrorLogLines();

// The error code of the newest stop report in the log, or -1 when there is none.
int ReportedErrorCode();

}  // namespace zentoir::testing

// Expects the statement to stop the program with error number `code`, both as its exit
// code and in a stop report of its own (the log is cleared first, so an earlier stop's
// report cannot answer). The child process starts afresh (no state of earlier tests).
// Needs a ScopedTempDir alive in the test.
#if GTEST_HAS_DEATH_TEST
#define EXPECT_STOPS_WITH_ERROR(code, ...)                    \
  do {                                                        \
    GTEST_FLAG_SET(death_test_style, "threadsafe");           \
    ::zentoir::RemoveErrorLog();                              \
    auto stoppingStatement = [&] { __VA_ARGS__; };            \
    EXPECT_EXIT(                                              \
        {                                                     \
          ::zentoir::testing::EnableStopReport();             \
          stoppingStatement();                                \
        },                                                    \
        ::testing::ExitedWithCode(code), "");                 \
    EXPECT_EQ(::zentoir::testing::ReportedErrorCode(), code); \
  } while (0)
// EXPECT_EXIT where the program can watch a copy of itself end.
#define EXPECT_EXIT_IF_SUPPORTED(statement, predicate, regex) \
  EXPECT_EXIT(statement, predicate, regex)
#else
#define EXPECT_EXIT_IF_SUPPORTED(statement, predicate, regex) \
  GTEST_SKIP() << "no death tests in this build"
// A program that cannot start a copy of itself (WebAssembly under Node.js) cannot watch
// one stop: the rest of the test is skipped (the statement only compiled).
#define EXPECT_STOPS_WITH_ERROR(code, ...)            \
  do {                                                \
    (void)[&] { __VA_ARGS__; };                       \
    GTEST_SKIP() << "no death tests in this build"; \
  } while (0)
#endif
