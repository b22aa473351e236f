// Platform facts: key handling, the GL entry-point query, the machine identifier.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "os/Environment.h"
#include "os/GLContext.h"
#include "os/Window.h"
#include "platform/MachineId.h"
#include "platform/PlatformInfo.h"
#include "support/Platform.h"
#include "support/TempDir.h"

using namespace zentoir;

namespace {

std::string Info(const char* key) {
  return std::string(PlatformInfo(key).View());
}

TEST(PlatformInfo, KeysIgnoreLetterCase) {
  const std::regex timeForm(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)");
  for (const char* key : {"TIME", "time", "TiMe"})
    EXPECT_TRUE(std::regex_match(Info(key), timeForm)) << key << ": " << Info(key);
  EXPECT_EQ(Info("device"), "DESKTOP");
  EXPECT_EQ(Info(""), zentoir::testing::OnWindows() ? "WIN32" : "LINUX");
  EXPECT_EQ(Info("TIMES"), "NO_DATA");
  EXPECT_EQ(Info("GLEXT"), "NO_DATA");

  const std::string battery = Info("Battery");
  const int percent = std::stoi(battery);
  EXPECT_EQ(std::to_string(percent), battery);
  EXPECT_TRUE((percent >= 0 && percent <= 100) || percent == 255) << battery;
}

TEST(PlatformInfo, IdIsStableAndHasItsForm) {
  // Where the machine has no system id, the kept one is made in the test's folder.
  zentoir::testing::ScopedTempDir dir;
  os::SetEnvironmentValue("XDG_DATA_HOME", dir.Path().c_str(), true);
  const std::string id = Info("ID");
  EXPECT_TRUE(std::regex_match(id, std::regex("[0-9A-F]{8}"))) << id;
  EXPECT_EQ(Info("id"), id);
  os::SetEnvironmentValue("XDG_DATA_HOME", nullptr);
}

TEST(PlatformInfo, GLEntryPointsOfTheDriver) {
  ASSERT_TRUE(os::InitVideo());
  os::SetGLAttributes(32, 0);
  os::WindowHandle window = os::CreateGLWindow("platform test", 64, 64);
  ASSERT_NE(window, nullptr);
  os::GLContextHandle context = os::CreateGLContext(window);
  ASSERT_NE(context, nullptr);
  ASSERT_TRUE(os::MakeCurrent(window, context));

  EXPECT_EQ(Info("GLEXT:glActiveTextureARB"), "1");
  EXPECT_EQ(Info("glext:glBegin"), "1");
  EXPECT_EQ(Info("GLEXT:glNoSuchEntryPointAtAll"), "0");
  EXPECT_EQ(Info("GLEXT:GLACTIVETEXTUREARB"), "0");  // the name keeps the caller's case
  EXPECT_EQ(Info("GLEXT:"), "0");
  EXPECT_EQ(PlatformInfo(DynString("GLEXT:glBegin\0x", 15)).View(), "0");

  os::ClearCurrent();
  os::DeleteGLContext(context);
  os::DestroyWindow(window);
}

TEST(MachineId, FoldsTheSystemIdAndAppliesTheMask) {
  uint32_t folded = 0;
  ASSERT_TRUE(FoldMachineId("0000000100000002000000040000000f", folded));
  EXPECT_EQ(folded, 0x1u ^ 0x2u ^ 0x4u ^ 0xFu);
  EXPECT_FALSE(FoldMachineId("0000000100000002000000040000000g", folded));
  EXPECT_FALSE(FoldMachineId("00000001", folded));
  EXPECT_EQ(folded, 0x1u ^ 0x2u ^ 0x4u ^ 0xFu);  // a refused text leaves it alone
  // Lowest byte first: changing the lowest byte changes only the first two digits.
  const std::string base = MachineIdText(0);
  const std::string lowByte = MachineIdText(0xFF);
  EXPECT_NE(lowByte.substr(0, 2), base.substr(0, 2));
  EXPECT_EQ(lowByte.substr(2), base.substr(2));
}

TEST(MachineId, KeptIdIsMadeOnceAndReused) {
  zentoir::testing::ScopedTempDir dir;
  const std::string kept = dir.Path() + "data/zentoir/machine-id";
  const uint32_t first = MachineIdNumber("", kept);
  const std::string written = zentoir::testing::ReadFileBytes(kept);
  ASSERT_EQ(written.size(), 33u);
  EXPECT_EQ(MachineIdNumber("not an id", kept), first);
  EXPECT_EQ(zentoir::testing::ReadFileBytes(kept), written);

  uint32_t fromFile = 0;
  ASSERT_TRUE(FoldMachineId(written.substr(0, 32), fromFile));
  EXPECT_EQ(fromFile, first);
  EXPECT_EQ(MachineIdNumber("0000000100000002000000040000000f", kept), 0x1u ^ 0x2u ^ 0x4u ^ 0xFu);
}

TEST(MachineId, SomethingElseUnderTheKeptNameIsLeftAlone) {
  zentoir::testing::ScopedTempDir dir;
  const std::string folder = dir.Path() + "machine-id";
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  EXPECT_EQ(MachineIdNumber("", folder), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(folder));

  const std::string garbage = dir.Path() + "garbage-id";
  ASSERT_TRUE(zentoir::testing::WriteFileBytes(garbage, "xyz"));
  EXPECT_EQ(MachineIdNumber("", garbage), 0u);
  EXPECT_EQ(zentoir::testing::ReadFileBytes(garbage), "xyz");
}

}  // namespace
