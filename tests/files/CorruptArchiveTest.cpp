// Damaged archives: every resolve either fails cleanly (0, no temporary file) or hands
// out a completely decoded file, never a crash, a hang or a partial file. (The format
// carries no checksum: a damaged literal byte decodes to a wrong byte of the right file.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/ArchiveBytes.h"
#include "files/ArchiveSlot.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::DirectoryEntry;
using testing::Le32;
using testing::ReadFileBytes;
using testing::ScopedTempDir;
using testing::StoredFile;
using testing::Trailer;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

const std::string kContents =
    "The quick brown fox jumps over the lazy dog, again and again and again.";

class CorruptArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override { CreateArchiveSlots(); }
  void TearDown() override { DeleteExtractedFiles(); }

  // Writes the archive file, names it and resolves "Maus.png" through the general slot.
  int ResolveFrom(const std::string& archive) {
    WriteFileBytes(exe_, archive);
    SetResourceArchives(exe_.c_str(), "");
    out_ = "untouched";
    return ResolveDataFile(GeneralArchiveSlot(), "Daten/Maus.png", out_);
  }

  // The resolve fails and leaves no temporary file behind.
  void ExpectCleanFailure(const std::string& archive, const std::string& what) {
    EXPECT_EQ(ResolveFrom(archive), 0) << what;
    EXPECT_EQ(GeneralArchiveSlot().extractedPath, "") << what;
    EXPECT_FALSE(fs::exists(dir_.Path() + "dozMaus.png")) << what;
    for (const auto& file : fs::directory_iterator(dir_.Path())) {
      EXPECT_FALSE(file.path().filename().string().starts_with("doz")) << what;
    }
  }

  // One entry at the front, with its own position and size fields.
  static std::string OneEntry(const std::string& stored, int64_t position, int64_t size) {
    const std::string directory = DirectoryEntry("Maus.png", position, size) + '\0';
    return stored + directory + Trailer(-static_cast<int64_t>(directory.size()) - 7);
  }

  ScopedTempDir dir_;
  std::string exe_ = dir_.Path() + "Pindrake";
  std::string out_;
};

TEST_F(CorruptArchiveTest, EveryDamagedByteFailsCleanlyOrGivesAWholeFile) {
  const std::string good = testing::WrittenArchive({{"Blau.png", "blue"}, {"Maus.png", kContents}});
  ASSERT_EQ(ResolveFrom(good), 1);
  ASSERT_EQ(ReadFileBytes(out_), kContents);
  for (size_t at = 0; at < good.size(); ++at) {
    for (int flip : {0x01, 0x80, 0xFF}) {
      std::string bad = good;
      bad[at] = static_cast<char>(bad[at] ^ flip);
      if (ResolveFrom(bad) == 1) {
        EXPECT_EQ(ReadFileBytes(out_).size(), kContents.size()) << "byte " << at << " ^ " << flip;
      } else {
        EXPECT_EQ(GeneralArchiveSlot().extractedPath, "");
      }
    }
  }
}

TEST_F(CorruptArchiveTest, EveryTruncationFailsCleanly) {
  const std::string good = testing::WrittenArchive({{"Maus.png", kContents}});
  for (size_t length = 0; length < good.size(); ++length) {
    ExpectCleanFailure(good.substr(0, length), "cut at " + std::to_string(length));
  }
  // The same archive cut short in front of a valid trailer: the positions now miss.
  ExpectCleanFailure(good.substr(10), "front cut");
}

TEST_F(CorruptArchiveTest, PositionsAndSizesOutsideTheFileFail) {
  const std::string stored = StoredFile(kContents);
  const int64_t back = -static_cast<int64_t>(stored.size() + 8 + 1 + 8 + 1 + 7);  // data start
  const int64_t size = static_cast<int64_t>(stored.size());
  ASSERT_EQ(ResolveFrom(OneEntry(stored, back, size)), 1);
  ExpectCleanFailure(OneEntry(stored, back - 1000, size), "position before the start");
  ExpectCleanFailure(OneEntry(stored, INT32_MIN, size), "lowest position");
  ExpectCleanFailure(OneEntry(stored, 100000, size), "position after the end");
  ExpectCleanFailure(OneEntry(stored, back, size + 1000), "size larger than the file");
  ExpectCleanFailure(OneEntry(stored, back, INT32_MAX), "largest size");
  ExpectCleanFailure(OneEntry(stored, back, -5), "negative size");
  ExpectCleanFailure(OneEntry(stored, back, 4), "size header only");
  ExpectCleanFailure(OneEntry(stored, back, size - 3), "stream cut short");
  ExpectCleanFailure(OneEntry(stored, 0, size + 2), "stream with trailing bytes");
  ExpectCleanFailure(stored + Trailer(INT32_MAX), "directory after the end");
  ExpectCleanFailure(stored + Trailer(INT32_MIN), "directory before the start");
}

TEST_F(CorruptArchiveTest, UnpackedSizesThatLieFail) {
  const std::string stream = StoredFile(kContents).substr(4);
  const int64_t real = static_cast<int64_t>(kContents.size());
  const int64_t size = static_cast<int64_t>(stream.size()) + 4;
  const int64_t back = -(size + 8 + 1 + 8 + 1 + 7);
  for (int64_t claimed : {real - 1, real + 1, int64_t{0}, int64_t{0xFFFFFFFF}}) {
    ExpectCleanFailure(OneEntry(Le32(claimed) + stream, back, size),
                       "claimed " + std::to_string(claimed));
  }
  ASSERT_EQ(ResolveFrom(OneEntry(Le32(real) + stream, back, size)), 1);
}

TEST_F(CorruptArchiveTest, APackedFileThatCannotBeProvidedIsLogged) {
  const std::string stream = StoredFile(kContents).substr(4);
  const int64_t size = static_cast<int64_t>(stream.size()) + 4;
  const int64_t back = -(size + 8 + 1 + 8 + 1 + 7);
  ExpectCleanFailure(OneEntry(Le32(3) + stream, back, size), "a lying size");
  EXPECT_EQ(testing::ErrorLogLines(),
            std::vector<std::string>{"Packed file not provided (damaged): Maus.png"});
}

TEST_F(CorruptArchiveTest, DirectoryWithoutClosingZeroStillEndsTheSearch) {
  const std::string stored = StoredFile(kContents);
  const std::string entry = DirectoryEntry("Blau.png", 0, static_cast<int64_t>(stored.size()));
  const std::string archive = stored + entry + Trailer(static_cast<int64_t>(stored.size()));
  ExpectCleanFailure(archive, "no closing zero");
  // Entries made of nothing but long names that run off the end of the file.
  ExpectCleanFailure(std::string(600, '\xFF') + Trailer(0), "runaway directory");
}

}  // namespace
}  // namespace zentoir
