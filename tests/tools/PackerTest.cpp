// The packer end to end: files packed by zentoir-pack come back byte for byte through
// the runtime's resolver; bad inputs are refused without touching the target.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "files/ArchiveSlot.h"
#include "files/ArchiveWriter.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

const std::string kProgram =
    "\x7f"
    "ELF pretend program";

std::string Noise(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes)
    byte = static_cast<char>(random());
  return bytes;
}

class PackerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateArchiveSlots();
    fs::create_directories(fs::path(dir_.Path()) / "data" / "sub");
    WriteFileBytes(exe_, kProgram);
  }
  void TearDown() override { DeleteExtractedFiles(); }

  // Runs the packer; returns its exit code.
  int Pack(const std::string& arguments) {
    const std::string command =
        std::string(ZENTOIR_PACK_PROGRAM) + " " + arguments + " >" + dir_.Path() + "pack.out 2>&1";
    return testing::ExitCodeOf(std::system(command.c_str()));
  }
  std::string PackOutput() const { return ReadFileBytes(dir_.Path() + "pack.out"); }

  // The file the runtime resolves for a name, through the packed executable.
  std::string Resolved(const std::string& name) {
    SetResourceArchives(exe_.c_str(), exe_.c_str());
    std::string path;
    if (ResolveDataFile(GeneralArchiveSlot(), ("Daten/" + name).c_str(), path) != 1) {
      return "<not resolved>";
    }
    return ReadFileBytes(path);
  }

  std::string DataFile(const std::string& name, const std::string& contents) {
    const std::string path = dir_.Path() + "data/" + name;
    WriteFileBytes(path, contents);
    return path;
  }

  ScopedTempDir dir_;
  std::string exe_ = dir_.Path() + "Pindrake";
};

TEST_F(PackerTest, FilesOfEverySizeComeBackThroughTheResolver) {
  std::string pattern;
  while (pattern.size() < 5u << 20)
    pattern += "balloon " + std::to_string(pattern.size()) + "\n";
  const std::vector<std::pair<std::string, std::string>> files = {
      {"empty.wav", ""},
      {"one.bin", "x"},
      {"sub/Large.png", pattern},
      {"sub/noise.dat", Noise(3u << 20, 7)},
      {"Gr\xFCn.png", "latin-1 name"}};
  for (const auto& [name, contents] : files)
    DataFile(name, contents);
  ASSERT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 0) << PackOutput();

  EXPECT_EQ(ReadFileBytes(exe_).substr(0, kProgram.size()), kProgram);
  for (const auto& [name, contents] : files) {
    const std::string base = name.substr(name.rfind('/') + 1);  // in the file's code page
    EXPECT_EQ(Resolved(base), contents) << base;
  }
  EXPECT_EQ(Resolved("LARGE.PNG"), pattern);
}

TEST_F(PackerTest, ListsAndExtractsWhatTheTargetCarries) {
  const std::string noise = Noise(70000, 3);
  DataFile("Maus.png", "mouse");
  DataFile("sub/Titel.mid", noise);
  ASSERT_EQ(
      Pack("append " + exe_ + " " + dir_.Path() + "data/Maus.png" + " " + dir_.Path() + "data/sub"),
      0);
  ASSERT_EQ(Pack("list " + exe_), 0);
  EXPECT_NE(PackOutput().find("Maus.png\t5\t"), std::string::npos) << PackOutput();
  EXPECT_NE(PackOutput().find("Titel.mid\t70000\t"), std::string::npos) << PackOutput();

  ASSERT_EQ(Pack("extract " + exe_ + " " + dir_.Path() + "out"), 0) << PackOutput();
  EXPECT_EQ(ReadFileBytes(dir_.Path() + "out/Maus.png"), "mouse");
  EXPECT_EQ(ReadFileBytes(dir_.Path() + "out/Titel.mid"), noise);
  EXPECT_EQ(Pack("list " + dir_.Path() + "data/Maus.png"), 1);
}

TEST_F(PackerTest, ListFilesNamePathsRelativeToTheirFolder) {
  DataFile("Gr\xFCn.png", "green");
  DataFile("sub/deng.wav", "chime");
  DataFile("stale.png", "left over");
  DataFile("files.txt", "Gr\xFCn.png\r\nsub/deng.wav\n\n");
  ASSERT_EQ(Pack("append " + exe_ + " @" + dir_.Path() + "data/files.txt"), 0) << PackOutput();
  EXPECT_EQ(Resolved("Gr\xFCn.png"), "green");
  EXPECT_EQ(Resolved("deng.wav"), "chime");
  EXPECT_EQ(Resolved("stale.png"), "<not resolved>");  // only what the list names
  EXPECT_EQ(Pack("append " + exe_ + " @" + dir_.Path() + "data/missing.txt"), 1);
  EXPECT_NE(PackOutput().find("cannot read list"), std::string::npos) << PackOutput();
}

TEST_F(PackerTest, AnArchiveAlreadyAppendedIsReplacedNotStacked) {
  DataFile("first.png", Noise(5000, 1));
  ASSERT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data/first.png"), 0);
  fs::remove(dir_.Path() + "data/first.png");
  DataFile("second.png", "second");
  ASSERT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 0);
  EXPECT_NE(PackOutput().find("replacing"), std::string::npos);

  const std::string packed = ReadFileBytes(exe_);
  std::vector<uint8_t> alone;
  std::string error;
  ASSERT_TRUE(BuildArchive({{"second.png", {'s', 'e', 'c', 'o', 'n', 'd'}}}, alone, error));
  EXPECT_EQ(packed.size(), kProgram.size() + alone.size());
  EXPECT_EQ(packed.substr(0, kProgram.size()), kProgram);
  EXPECT_EQ(Resolved("second.png"), "second");
  EXPECT_EQ(Resolved("first.png"), "<not resolved>");
}

TEST_F(PackerTest, ATailThatOnlyLooksLikeAnArchiveIsNotCutOff) {
  // A program whose last bytes happen to form a complete directory entry, its closing 0
  // and a trailer: the entry points at the program's first bytes, which do not decode.
  const char tail[] =
      "\x02"
      "ab"
      "\x00\x00\x00\x00"  // data position, set below
      "\x40\x00\x00\x00"  // stored size 64
      "\x00"
      "doZ"
      "\xED\xFF\xFF\xFF";  // the directory at -19
  std::string program = Noise(5018 - 19, 5) + std::string(tail, 19);
  const int32_t start = -5018;
  std::memcpy(program.data() + program.size() - 19 + 3, &start, 4);
  WriteFileBytes(exe_, program);
  ASSERT_EQ(fs::file_size(exe_), 5018u);
  DataFile("a.png", "a");
  EXPECT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 1);
  EXPECT_NE(PackOutput().find("not touching it"), std::string::npos) << PackOutput();
  EXPECT_EQ(ReadFileBytes(exe_), program);
}

TEST_F(PackerTest, TheTargetKeepsItsPermissions) {
  fs::permissions(exe_, fs::perms(0755));  // on Windows: writable, whatever else is asked
  const fs::perms set = fs::status(exe_).permissions();
  DataFile("a.png", "a");
  ASSERT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 0) << PackOutput();
  ASSERT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 0) << PackOutput();
  EXPECT_EQ(fs::status(exe_).permissions(), set);
  EXPECT_EQ(Resolved("a.png"), "a");
}

TEST_F(PackerTest, BadInputsAreRefusedAndLeaveTheTargetAlone) {
  DataFile("a.png", "a");
  DataFile("sub/A.PNG", "b");
  EXPECT_EQ(Pack("append " + exe_ + " " + dir_.Path() + "data"), 1);
  EXPECT_NE(PackOutput().find("duplicate base name"), std::string::npos) << PackOutput();
  EXPECT_EQ(
      Pack("append " + exe_ + " " + dir_.Path() + "data/a.png" + " " + dir_.Path() + "nothere"), 1);
  EXPECT_NE(PackOutput().find("nothere"), std::string::npos) << PackOutput();
  EXPECT_EQ(Pack("append " + dir_.Path() + "noprogram" + " " + dir_.Path() + "data/a.png"), 1);
  EXPECT_EQ(ReadFileBytes(exe_), kProgram);
  EXPECT_FALSE(fs::exists(dir_.Path() + "noprogram"));
  EXPECT_EQ(Pack("append " + exe_), 2);  // usage
}

TEST(ArchiveWriterTest, NamesMustBeShortDistinctBaseNames) {
  std::vector<uint8_t> archive;
  std::string error;
  EXPECT_TRUE(BuildArchive({{std::string(255, 'n'), {1}}}, archive, error));
  EXPECT_FALSE(BuildArchive({{std::string(256, 'n'), {1}}}, archive, error));
  EXPECT_NE(error.find("longer than 255"), std::string::npos);
  EXPECT_FALSE(BuildArchive({{"", {1}}}, archive, error));
  EXPECT_FALSE(BuildArchive({{"Daten/a.png", {1}}}, archive, error));
  EXPECT_FALSE(BuildArchive({{"a.png", {1}}, {"A.png", {2}}}, archive, error));
  EXPECT_NE(error.find("duplicate"), std::string::npos);
  // Bytes above 127 are not folded: these are two names.
  EXPECT_TRUE(BuildArchive({{"\xFC.png", {1}}, {"\xDC.png", {2}}}, archive, error));
}

}  // namespace
}  // namespace zentoir
