#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "base/Shutdown.h"
#include "files/ArchiveBytes.h"
#include "files/ArchiveSlot.h"
#include "os/Environment.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

const std::string kProgram = std::string(5000, '\x7f');  // stands in for the executable

class ResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateArchiveSlots();
    fs::create_directories(fs::path(dir_.Path()) / "Daten" / "Fonts");
    WriteFileBytes(exe_, kProgram + testing::WrittenArchive({{"Maus.png", "archived mouse"},
                                                             {"Blau.png", "blue"},
                                                             {"Titel.mid", "tune"}}));
    SetResourceArchives(exe_.c_str(), exe_.c_str());
  }
  void TearDown() override { DeleteExtractedFiles(); }

  std::string Data(const std::string& name) const { return dir_.Path() + "Daten/" + name; }

  int Resolve(const std::string& name, ArchiveSlot& slot = GeneralArchiveSlot()) {
    return ResolveDataFile(slot, name.c_str(), out_);
  }

  ScopedTempDir dir_;
  std::string exe_ = dir_.Path() + "Pindrake";
  std::string out_ = "untouched";
};

TEST_F(ResolverTest, LooseFileWinsAndIsReturnedUnchanged) {
  WriteFileBytes(Data("Maus.png"), "loose mouse");
  EXPECT_EQ(Resolve(Data("Maus.png")), 1);
  EXPECT_EQ(out_, Data("Maus.png"));
  EXPECT_EQ(GeneralArchiveSlot().extractedPath, "");
}

TEST_F(ResolverTest, ArchiveIsSearchedByBaseNameIgnoringCase) {
  EXPECT_EQ(Resolve(Data("Fonts/MAUS.PNG")), 1);
  EXPECT_EQ(fs::path(out_).parent_path(), fs::path(dir_.Path()).parent_path());
  EXPECT_TRUE(out_.ends_with("Maus.png")) << out_;
  EXPECT_EQ(ReadFileBytes(out_), "archived mouse");
  EXPECT_EQ(GeneralArchiveSlot().extractedPath, out_);
  EXPECT_EQ(Resolve("Daten\\titel.MID"), 1);
  EXPECT_EQ(ReadFileBytes(out_), "tune");
}

TEST_F(ResolverTest, AnUnwritableTemporaryFolderFallsBackToAnotherOne) {
  const std::string notAFolder = dir_.Path() + "file";
  WriteFileBytes(notAFolder, "");
  // TMPDIR on POSIX systems, TMP on Windows; the ScopedTempDir puts both back.
  os::SetEnvironmentValue("TMPDIR", notAFolder.c_str());
  os::SetEnvironmentValue("TMP", notAFolder.c_str());
  EXPECT_EQ(Resolve(Data("Blau.png")), 1);
  EXPECT_FALSE(out_.starts_with(notAFolder)) << out_;
  EXPECT_EQ(ReadFileBytes(out_), "blue");
  const std::string extracted = out_;
  DeleteExtractedFiles();
  EXPECT_FALSE(fs::exists(extracted));
}

TEST_F(ResolverTest, NameNotInArchiveGivesZeroAndEmptyOutput) {
  EXPECT_EQ(Resolve(Data("Rot.png")), 0);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(GeneralArchiveSlot().enabled, 1);
}

TEST_F(ResolverTest, TemporaryNameFollowsPositionAndSizeLetters) {
  // An entry at position -348650 with stored size 2683 named "Blau.png" is extracted as
  // "dozWTBlau.png". Find contents whose stored form is exactly 2683 bytes.
  std::mt19937 random(4);
  std::string noise;
  for (int i = 0; i < 2700; ++i)
    noise += static_cast<char>(random());
  std::string contents, stored;
  for (size_t length = 2600; stored.size() != 2683; ++length) {
    ASSERT_LT(length, noise.size());
    contents = noise.substr(0, length);
    stored = testing::StoredFile(contents);
  }
  const std::string directory = testing::DirectoryEntry("Blau.png", -348650, 2683) + '\0';
  const std::string filler(348650 - stored.size() - directory.size() - 7, 'f');
  WriteFileBytes(exe_, stored + filler + directory +
                           testing::Trailer(-static_cast<int64_t>(directory.size()) - 7));
  ASSERT_EQ(fs::file_size(exe_), 348650u);
  EXPECT_EQ(Resolve(Data("Blau.png")), 1);
  EXPECT_EQ(fs::path(out_), fs::path(dir_.Path() + "dozWTBlau.png"));  // either separator
  EXPECT_EQ(ReadFileBytes(out_), contents);
}

TEST_F(ResolverTest, NonNegativePositionsCountFromTheStart) {
  const std::string stored = testing::StoredFile("from the start");
  const std::string directory =
      testing::DirectoryEntry("a.wav", 0, static_cast<int64_t>(stored.size())) + '\0';
  WriteFileBytes(exe_, stored + directory + testing::Trailer(static_cast<int64_t>(stored.size())));
  EXPECT_EQ(Resolve("A.WAV"), 1);
  EXPECT_EQ(ReadFileBytes(out_), "from the start");
}

TEST_F(ResolverTest, EachResolveEndsThePreviousTemporaryFileOfItsSlotOnly) {
  ASSERT_EQ(Resolve("Titel.mid", MediaArchiveSlot()), 1);
  const std::string tune = out_;
  ASSERT_EQ(Resolve("Maus.png"), 1);
  const std::string first = out_;
  ASSERT_EQ(Resolve("Blau.png"), 1);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(out_));
  EXPECT_TRUE(fs::exists(tune));

  // An empty request touches no archive but still ends the previous file.
  const std::string blue = out_;
  EXPECT_EQ(ResolveDataFile(GeneralArchiveSlot(), "", out_), 0);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(ResolveDataFile(GeneralArchiveSlot(), nullptr, out_), 0);
  EXPECT_FALSE(fs::exists(blue));
}

TEST_F(ResolverTest, ShutdownAndSetResourceArchivesDeleteTemporaryFiles) {
  ASSERT_EQ(Resolve("Titel.mid", MediaArchiveSlot()), 1);
  const std::string tune = out_;
  ASSERT_EQ(Resolve("Maus.png"), 1);
  const std::string mouse = out_;
  ShutdownRuntime();
  EXPECT_FALSE(fs::exists(tune));
  EXPECT_FALSE(fs::exists(mouse));

  ASSERT_EQ(Resolve("Maus.png"), 1);
  SetResourceArchives(exe_.c_str(), exe_.c_str());
  EXPECT_FALSE(fs::exists(out_));
  EXPECT_EQ(GeneralArchiveSlot().extractedPath, "");
}

TEST_F(ResolverTest, ArchiveWithoutTrailerIsDisabledUntilNamedAgain) {
  WriteFileBytes(exe_, kProgram);
  EXPECT_EQ(Resolve("Maus.png"), 0);
  EXPECT_EQ(out_, "untouched");
  EXPECT_EQ(GeneralArchiveSlot().enabled, 0);
  // A valid archive appearing later is not looked at ...
  WriteFileBytes(exe_, kProgram + testing::WrittenArchive({{"Maus.png", "m"}}));
  EXPECT_EQ(Resolve("Maus.png"), 0);
  // ... loose files are still found ...
  WriteFileBytes(Data("Maus.png"), "loose");
  EXPECT_EQ(Resolve(Data("Maus.png")), 1);
  fs::remove(Data("Maus.png"));
  // ... and naming the archive again enables it.
  SetResourceArchives(exe_.c_str(), "");
  EXPECT_EQ(Resolve(Data("Maus.png")), 1);
  EXPECT_EQ(ReadFileBytes(out_), "m");
}

TEST_F(ResolverTest, MissingOrUnnamedArchiveDisablesTheSlot) {
  SetResourceArchives((dir_.Path() + "gone").c_str(), "");
  EXPECT_EQ(Resolve("Maus.png"), 0);
  EXPECT_EQ(GeneralArchiveSlot().enabled, 0);
  EXPECT_EQ(Resolve("Titel.mid", MediaArchiveSlot()), 0);
  EXPECT_EQ(MediaArchiveSlot().enabled, 0);
  EXPECT_EQ(out_, "untouched");
  // A folder (start-up names the program's directory) is no archive either.
  SetResourceArchives(dir_.Path().c_str(), dir_.Path().c_str());
  EXPECT_EQ(Resolve("Maus.png"), 0);
  EXPECT_EQ(GeneralArchiveSlot().enabled, 0);
}

}  // namespace
}  // namespace zentoir
