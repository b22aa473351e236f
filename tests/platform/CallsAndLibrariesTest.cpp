// Debug lines, calls by name and functions of outside libraries.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <string>

#include "base/Shutdown.h"
#include "platform/CallByName.h"
#include "platform/DebugOut.h"
#include "platform/LibraryCache.h"
#include "platform/ResolveLibraryFunction.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"

using namespace zentoir;

namespace {

int calls = 0;
void CountCall() {
  ++calls;
}

// Runs the body with ZENTOIR_DEBUG_OUT set as asked and answers what reached stderr.
template <typename Body>
std::string DebugLines(bool enabled, Body body) {
  setenv("ZENTOIR_DEBUG_OUT", enabled ? "1" : "0", 1);
  ::testing::internal::CaptureStderr();
  body();
  const std::string lines = ::testing::internal::GetCapturedStderr();
  unsetenv("ZENTOIR_DEBUG_OUT");
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
  ResolveLibraryFunction("libm.so.6", "cos", cosine);
  ResolveLibraryFunction("libm.so.6", "sin", sine);
  ASSERT_NE(cosine, nullptr);
  ASSERT_NE(sine, nullptr);
  EXPECT_EQ(reinterpret_cast<double (*)(double)>(cosine)(0.0), 1.0);
  EXPECT_EQ(Libraries().Count(), before + 1);

  DynString capitalised = "LIBM.SO.6";
  void* again = nullptr;
  ResolveLibraryFunction(capitalised, "cos", again);
  EXPECT_EQ(again, cosine);
  EXPECT_EQ(capitalised.View(), "LIBM.SO.6");
  EXPECT_EQ(Libraries().Count(), before + 1);

  void* missing = &again;
  ResolveLibraryFunction("libm.so.6", "no_such_function", missing);
  EXPECT_EQ(missing, nullptr);
  missing = &again;
  ResolveLibraryFunction("libm.so.6", "", missing);
  EXPECT_EQ(missing, nullptr);

  RunExitSteps();  // what happens at program end
  EXPECT_EQ(Libraries().Count(), 0u);
  ResolveLibraryFunction("libm.so.6", "cos", again);
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
  address = &marker;
  ResolveLibraryFunction("LIBC.SO.6", "strlen", address);
  EXPECT_EQ(address, nullptr);
  for (const DynString& odd : {DynString(""), DynString("libm.so.6\0x", 11)}) {
    address = &marker;
    ResolveLibraryFunction(odd, "cos", address);
    EXPECT_EQ(address, nullptr);
  }
  EXPECT_EQ(Libraries().Count(), before);
}

TEST(ResolveLibraryFunction, OnlyRegularFilesAreLoadedByPath) {
  zentoir::testing::ScopedTempDir dir;
  const std::string fifo = dir.Path() + "libpipe.so";
  ASSERT_TRUE(zentoir::testing::MakeFifo(fifo));
  int marker = 0;
  void* address = &marker;
  EXPECT_TRUE(zentoir::testing::FinishesWithoutBlocking(
      fifo, [&] { ResolveLibraryFunction(fifo.c_str(), "f", address); }));
  EXPECT_EQ(address, nullptr);
  address = &marker;
  ResolveLibraryFunction(dir.Path().c_str(), "f", address);
  EXPECT_EQ(address, nullptr);

  // The real library by its full path still loads.
  Dl_info info{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(static_cast<double (*)(double)>(&::cos)), &info), 0);
  ASSERT_NE(std::string(info.dli_fname).find('/'), std::string::npos);
  ResolveLibraryFunction(info.dli_fname, "cos", address);
  EXPECT_NE(address, nullptr);
}

}  // namespace
