// Helpers for code that ends the program: it runs in a child process (a death test)
// with the stop routine's debug report on, and the parent reads the report back.
#pragma once

#include <string>
#include <vector>

namespace zentoir::testing {

// Turns on the stop routine's report of the error code and lines.
void EnableStopReport();

// The lines of the error log in the current TMPDIR (CR LF removed).
std::vector<std::string> ErrorLogLines();

// The error code of the stop report, or -1 when there is no report.
int ReportedErrorCode();

}  // namespace zentoir::testing

// Expects the statement to stop the program with exit code 0 and error number `code` in
// the stop report. The child process starts afresh (no state of earlier tests). Needs
// a ScopedTempDir alive in the test.
#define EXPECT_STOPS_WITH_ERROR(code, ...)                      \
  do {                                                          \
    GTEST_FLAG_SET(death_test_style, "threadsafe");             \
    auto stoppingStatement = [&] { __VA_ARGS__; };              \
    EXPECT_EXIT(                                                \
        {                                                       \
          ::zentoir::testing::EnableStopReport();               \
          stoppingStatement();                                  \
        },                                                      \
        ::testing::ExitedWithCode(0), "");                      \
    EXPECT_EQ(::zentoir::testing::ReportedErrorCode(), code);   \
  } while (0)
