#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FolderFixtures.h"
#include "base/RuntimeContext.h"
#include "base/Stop.h"
#include "files/ArchiveBytes.h"
#include "files/ArchiveSlot.h"
#include "files/GameIniStore.h"
#include "files/GameLineStore.h"
#include "files/IniFiles.h"
#include "files/LineFiles.h"
#include "os/ReplaceFile.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ErrorLogLines;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

class SettingsFilesTest : public testing::SettingsFolderTest {};

TEST_F(SettingsFilesTest, IniChangesAreWrittenWhenAnotherFileIsOpened) {
  WriteFileBytes(Path("a.ini"), "; kept out\r\n[Player]\r\nName = Anna\r\n");
  IniOpen(Path("a.ini").c_str());
  EXPECT_EQ(IniGet("player", "NAME"), DynString("Anna"));
  IniPut("Player", "Level", "3");
  IniPut("Sound", "Volume", "80");
  IniOpen(Path("missing.ini").c_str());
  EXPECT_EQ(IniGet("Player", "Name"), DynString("NO_DATA"));
  EXPECT_EQ(ReadFileBytes(Path("a.ini")),
            "[Player]\r\nName=Anna\r\nLevel=3\r\n[Sound]\r\nVolume=80\r\n");
  // A missing file is created by its first write-back; an unchanged one is not written.
  IniPut("New", "k", "v");
  IniOpen(Path("a.ini").c_str());
  EXPECT_EQ(ReadFileBytes(Path("missing.ini")), "[New]\r\nk=v\r\n");
  IniOpen(Path("b.ini").c_str());
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"a.ini", "missing.ini"}));
}

TEST_F(SettingsFilesTest, IniFromTheArchiveIsWrittenBackAsALooseFile) {
  const std::string exe = Path("Pindrake");
  WriteFileBytes(exe, std::string(300, '\x7f') +
                          testing::WrittenArchive({{"Setup.ini", "[Video]\r\nMode=1\r\n"}}));
  SetResourceArchives(exe.c_str(), exe.c_str());
  IniOpen(Path("Setup.ini").c_str());
  EXPECT_EQ(IniGet("video", "mode"), DynString("1"));
  IniPut("Video", "Mode", "2");
  IniOpen(Path("other.ini").c_str());
  EXPECT_EQ(ReadFileBytes(Path("Setup.ini")), "[Video]\r\nMode=2\r\n");
}

TEST_F(SettingsFilesTest, RelativeNamesAreWrittenWhereTheyWereOpened) {
  fs::create_directories(Path("first"));
  fs::create_directories(Path("second"));
  const fs::path before = fs::current_path();
  fs::current_path(Path("first"));
  IniOpen("settings.ini");
  IniPut("S", "k", "v");
  PutFileLine("lines.txt", 0, "x");
  fs::current_path(Path("second"));
  IniOpen("other.ini");
  GetFileLine("other.txt", 0);
  fs::current_path(before);
  EXPECT_EQ(ReadFileBytes(Path("first/settings.ini")), "[S]\r\nk=v\r\n");
  EXPECT_EQ(ReadFileBytes(Path("first/lines.txt")), "x\r\n");
}

TEST_F(SettingsFilesTest, LineFiveOfANewFileWritesSixLines) {
  PutFileLine(Path("new.txt").c_str(), 5, "five");
  PutFileNumber(Path("new.txt").c_str(), 2, 2.5);
  EXPECT_EQ(GetFileNumber(Path("new.txt").c_str(), 2), 2.5);
  GetFileLine(Path("other.txt").c_str(), 0);
  EXPECT_EQ(ReadFileBytes(Path("new.txt")), "\r\n\r\n2.5\r\n\r\n\r\nfive\r\n");
}

TEST_F(SettingsFilesTest, OutOfRangeLinesRecordErrorSevenAndChangeNothing) {
  WriteFileBytes(Path("f.txt"), "a\r\n");
  EXPECT_EQ(GetFileLine(Path("f.txt").c_str(), 300), DynString("NO_DATA"));
  EXPECT_EQ(GetErrorCode(), kErrorArgument);
  EXPECT_EQ(GetErrorCode(), kErrorArgument);  // reading it keeps it
  SetErrorCode(0);
  EXPECT_EQ(GetFileLine(Path("f.txt").c_str(), 0), DynString("a"));
  EXPECT_EQ(GetErrorCode(), 0);  // a good line records nothing
  EXPECT_EQ(GetFileLine(Path("f.txt").c_str(), -1), DynString("NO_DATA"));
  EXPECT_EQ(GetErrorCode(), kErrorArgument);
  PutFileLine(Path("f.txt").c_str(), 256, "x");
  PutFileLine(Path("f.txt").c_str(), -0.5, "first");  // truncates to line 0
  GetFileLine(Path("other.txt").c_str(), 0);
  EXPECT_EQ(ReadFileBytes(Path("f.txt")), "first\r\n");
}

TEST_F(SettingsFilesTest, AMissingFileAnswersNoFileToTheGetThatSelectsIt) {
  EXPECT_EQ(GetFileLine(Path("none.txt").c_str(), 0), DynString("NO_FILE"));
  EXPECT_EQ(GetErrorCode(), kErrorFile);
  EXPECT_EQ(GetFileLine(Path("none.txt").c_str(), 0), DynString(""));
}

TEST_F(SettingsFilesTest, LinesAreReadOnceTrimmedAndLongTextsCut) {
  WriteFileBytes(Path("f.txt"), "one \x01\r\ntwo\r\n");
  EXPECT_EQ(GetFileLine(Path("f.txt").c_str(), 0), DynString("one "));
  WriteFileBytes(Path("f.txt"), "changed on disk\r\n");
  EXPECT_EQ(GetFileLine(Path("f.txt").c_str(), 1), DynString("two"));
  PutFileLine(Path("f.txt").c_str(), 1, std::string(2000, 'x').c_str());
  GetFileLine(Path("other.txt").c_str(), 0);
  EXPECT_EQ(ReadFileBytes(Path("f.txt")), "one \x01\r\n" + std::string(1023, 'x') + "\r\n");
}

TEST_F(SettingsFilesTest, ProgramEndWritesBothPendingStores) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: nothing opened yet
  EXPECT_EXIT_IF_SUPPORTED(
      {
        if (IniGet("Any", "Key") != DynString("NO_DATA")) std::exit(1);
        IniOpen(Path("end.ini").c_str());
        IniPut("Game", "Level", "7");
        PutFileLine(Path("end.txt").c_str(), 1, "second");
        EndProgram();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFileBytes(Path("end.ini")), "[Game]\r\nLevel=7\r\n");
  EXPECT_EQ(ReadFileBytes(Path("end.txt")), "\r\nsecond\r\n");
}

}  // namespace
}  // namespace zentoir
