// Libraries by path on POSIX systems: FIFOs and folders are not loaded.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/ResolveLibraryFunction.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"

using namespace zentoir;

namespace {

TEST(ResolveLibraryFunctionPosix, OnlyRegularFilesAreLoadedByPath) {
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
