// Debug lines, calls by name and functions of outside libraries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "base/Shutdown.h"
#include "os/Environment.h"
#include "platform/CallByName.h"
#include "platform/DebugOut.h"
#include "platform/LibraryCache.h"
#include "platform/ResolveLibraryFunction.h"
#include "support/Platform.h"
#include "support/TempDir.h"

using namespace zentoir;

namespace {

// A library every process has, in the system's own spelling.
std::string MathLibrary() {
  return zentoir::testing::OnWindows() ? "msvcrt.dll" : "libm.so.6";
}

int calls = 0;
void CountCall() {
  ++calls;
}

// Runs the body with ZENTOIR_DEBUG_OUT set as asked and answers what reached stderr.
template <typename Body>
std::string DebugLines(bool enabled, Body body) {
  os::SetEnvironmentValue("ZENTOIR_DEBUG_OUT", enabled ? "1" : "0", true);
  ::testing::internal::CaptureStderr();
  body();
  const std::string lines = ::testing::internal::GetCapturedStderr();
  os::SetEnvironmentValue("ZENTOIR_DEBUG_OUT", nullptr);
  return lines;
}

TEST(DebugOut, WritesOnlyWhenSwitchedOn) {
  EXPECT_EQ(DebugLines(true, [] { DebugOut("hello"); }), "TXhello");
  EXPECT_EQ(DebugLines(false, [] { DebugOut("hello"); }), "");  // no debugger under test
}

TEST(CallByName, CallsTheRegisteredFunction) {
  EXPECT_EQ(RegisterGameFunction("CountCall", CountCall), 1);
  EXPECT_EQ(RegisterGameFunction("", CountCall), 0);
  EXPECT_EQ(RegisterGameFunction("Nothing", nullptr), 0);
  calls = 0;
  EXPECT_EQ(CallByName("CountCall"), 1);
  EXPECT_EQ(calls, 1);

  double result = -1;
  EXPECT_EQ(DebugLines(true, [&] { result = CallByName("countcall"); }),
            "TXCALLBYNAME \"countcall\" *** failed ***\n");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(DebugLines(true, [&] { result = CallByName(""); }),
            "TXCALLBYNAME \"\" *** failed ***\n");
  EXPECT_EQ(calls, 1);
}

TEST(ResolveLibraryFunction, LoadsALibraryOnceAndFindsItInAnyCase) {
  const size_t before = Libraries().Count();
  void* cosine = nullptr;
  void* sine = nullptr;
  const std::string library = MathLibrary();
  ResolveLibraryFunction(library.c_str(), "cos", cosine);
  ResolveLibraryFunction(library.c_str(), "sin", sine);
  ASSERT_NE(cosine, nullptr);
  ASSERT_NE(sine, nullptr);
  EXPECT_EQ(reinterpret_cast<double (*)(double)>(cosine)(0.0), 1.0);
  EXPECT_EQ(Libraries().Count(), before + 1);

  std::string upper = library;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return std::toupper(c); });
  DynString capitalised = upper.c_str();
  void* again = nullptr;
  ResolveLibraryFunction(capitalised, "cos", again);
  EXPECT_EQ(again, cosine);
  EXPECT_EQ(capitalised.View(), upper);
  EXPECT_EQ(Libraries().Count(), before + 1);

  void* missing = &again;
  ResolveLibraryFunction(library.c_str(), "no_such_function", missing);
  EXPECT_EQ(missing, nullptr);
  missing = &again;
  ResolveLibraryFunction(library.c_str(), "", missing);
  EXPECT_EQ(missing, nullptr);

  RunExitSteps();  // what happens at program end
  EXPECT_EQ(Libraries().Count(), 0u);
  ResolveLibraryFunction(library.c_str(), "cos", again);
  EXPECT_NE(again, nullptr);
  EXPECT_EQ(Libraries().Count(), 1u);
}

TEST(ResolveLibraryFunction, UnloadableLibrariesGiveNull) {
  const size_t before = Libraries().Count();
  int marker = 0;
  void* address = &marker;
  EXPECT_EQ(DebugLines(true, [&] { ResolveLibraryFunction("libno-such-lib.so", "f", address); }),
            "TXFailed to load: libno-such-lib.so");
  EXPECT_EQ(address, nullptr);
  // Linux file names are case-sensitive: a capitalised name that was never loaded fails.
  if (!zentoir::testing::OnWindows()) {
    address = &marker;
    ResolveLibraryFunction("LIBC.SO.6", "strlen", address);
    EXPECT_EQ(address, nullptr);
  }
  const std::string withNul = MathLibrary() + std::string("\0x", 2);
  for (const DynString& odd :
       {DynString(""), DynString(withNul.data(), static_cast<uint32_t>(withNul.size()))}) {
    address = &marker;
    ResolveLibraryFunction(odd, "cos", address);
    EXPECT_EQ(address, nullptr);
  }
  EXPECT_EQ(Libraries().Count(), before);
}

}  // namespace
