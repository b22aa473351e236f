#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "GameState.h"
#include "HighScores.h"
#include "Widgets.h"
#include "support/StopReport.h"
#include "support/TempDir.h"

namespace pindrake {
namespace {

using zentoir::DynString;
using zentoir::ElementAt;

std::string Name(double place) {
  return std::string(ElementAt(highScores, place).name.View());
}
double Score(double place) {
  return ElementAt(highScores, place).score;
}

void SetTable(const std::vector<std::pair<std::string, double>>& places) {
  zentoir::DimRecordArray(highScores, 26);
  for (size_t i = 0; i < places.size(); ++i) {
    ElementAt(highScores, double(i + 1)).name = places[i].first.c_str();
    ElementAt(highScores, double(i + 1)).score = places[i].second;
  }
}

class HighScores : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetGame();
    programDir = tmp_.Path().c_str();
  }
  std::string ScoreFile() const {
    return zentoir::testing::ReadFileBytes(tmp_.Path() + "Score.dat");
  }
  // A save writes a temporary file beside Score.dat; none may be left over.
  void ExpectNoTemporaryFileBeside() const {
    for (const auto& entry : std::filesystem::directory_iterator(tmp_.Path())) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.starts_with("Score.dat") && name != "Score.dat") << name;
    }
  }

  zentoir::testing::ScopedTempDir tmp_;
};

TEST_F(HighScores, EqualPointsGoAboveExistingOnesUnlessTheSameNameHoldsThem) {
  SetTable({{"Anna", 30}, {"Bert", 20}, {"Cleo", 20}, {"Dora", 10}});
  EXPECT_EQ(ScorePlaceFor(20, "Emil"), 2);
  EXPECT_EQ(ScorePlaceFor(20, "Cleo"), 0);  // already listed with these points
  EXPECT_EQ(ScorePlaceFor(25, "Cleo"), 2);
  EXPECT_EQ(ScorePlaceFor(40, "Anna"), 1);
  EXPECT_EQ(ScorePlaceFor(0, "Zeno"), 5);  // the first place with 0 points
  EXPECT_EQ(ScorePlaceFor(99, ""), 0);     // an empty name is never listed
  EXPECT_EQ(ScorePlaceFor(0, "   "), 5);   // spaces are a name
}

TEST_F(HighScores, AFullTableDropsItsLastPlace) {
  std::vector<std::pair<std::string, double>> full;
  for (int i = 0; i < 25; ++i)
    full.push_back({"P" + std::to_string(i), 50.0 - i});
  SetTable(full);
  EXPECT_EQ(ScorePlaceFor(10, "Late"), 0);  // below every place
  EXPECT_EQ(ScorePlaceFor(49, "New"), 2);
  InsertScore(2, "New", 49);
  EXPECT_EQ(Name(1), "P0");
  EXPECT_EQ(Name(2), "New");
  EXPECT_EQ(Name(3), "P1");
  EXPECT_EQ(Name(25), "P23");
  EXPECT_EQ(Score(25), 27);
}

TEST_F(HighScores, AnEmptyTableIsTwentyEmptyRecords) {
  zentoir::DimRecordArray(highScores, 26);
  AccessScoreFile("Save");
  std::string expected;
  for (int i = 0; i < 20; ++i)
    expected += std::string("\0\0\r\n", 4);
  EXPECT_EQ(ScoreFile(), expected);
  EXPECT_EQ(ScoreFile().size(), 80u);
}

TEST_F(HighScores, SavingAndLoadingGiveTheSameTwentyPlaces) {
  std::vector<std::pair<std::string, double>> table;
  for (int i = 0; i < 25; ++i)
    table.push_back({"Spieler " + std::to_string(i), 98.0 - i});
  table[3].first = "J\xFCrgen";
  table[0].second = 65536 + 7;  // only the low 16 bits are stored
  SetTable(table);
  AccessScoreFile("Save");
  const std::string bytes = ScoreFile();
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x07\x00", 2));
  EXPECT_EQ(bytes.substr(2, 11), "Spieler 0\r\n");
  zentoir::DimRecordArray(highScores, 26);
  AccessScoreFile("Load");
  EXPECT_EQ(Score(1), 7);
  EXPECT_EQ(Name(4), "J\xFCrgen");
  EXPECT_EQ(Name(20), "Spieler 19");
  EXPECT_EQ(Score(20), 79);
  EXPECT_EQ(Name(21), "");  // places 21..25 are not stored
  EXPECT_EQ(Score(21), 0);
  AccessScoreFile("Other");  // does nothing
  EXPECT_EQ(ScoreFile(), bytes);
}

TEST_F(HighScores, AShortOrDamagedFileStillLoadsWhatItHolds) {
  zentoir::testing::WriteFileBytes(tmp_.Path() + "Score.dat", std::string("\x2A\x00"
                                                                          "Anna\r\n"
                                                                          "\x05\x00"
                                                                          "Be",
                                                                          12));
  AccessScoreFile("Load");
  EXPECT_EQ(Name(1), "Anna");
  EXPECT_EQ(Score(1), 42);
  EXPECT_EQ(Name(2), "Be");  // the cut record keeps what it has
  EXPECT_EQ(Score(2), 5);
  EXPECT_EQ(Name(3), "");
  zentoir::testing::WriteFileBytes(tmp_.Path() + "Score.dat", std::string("\x01", 1));
  zentoir::DimRecordArray(highScores, 26);
  AccessScoreFile("Load");
  EXPECT_EQ(Score(1), 0);
  AccessScoreFile("Save");  // and the next save writes a whole table again
  EXPECT_EQ(ScoreFile().size(), 80u);
}

TEST_F(HighScores, RecordsNoGameCanWriteAreLeftOutWithOneLogLine) {
  const std::string longName(300, 'W');
  zentoir::testing::WriteFileBytes(tmp_.Path() + "Score.dat",
                                   std::string("\x2A\x00"
                                               "Anna\r\n"
                                               "\x1B\x0B"
                                               "Mallory\r\n"  // 2843 points
                                               "\x63\x00"
                                               "Max\r\n",  // 99 points
                                               26) +
                                       std::string("\x03\x00", 2) + longName + "\r\n" +
                                       std::string("\x04\x00Tab\tX\r\n"
                                                   "\x62\x00"
                                                   "Abcdefghijklmnopqrst\r\n"
                                                   "\x05\x00J\xFCrgen\r\n",
                                                   43));
  AccessScoreFile("Load");
  EXPECT_EQ(Name(1), "Anna");
  EXPECT_EQ(Name(2), "Abcdefghijklmnopqrst");
  EXPECT_EQ(Score(2), 98);
  EXPECT_EQ(Name(3), "J\xFCrgen");
  EXPECT_EQ(Name(4), "");
  EXPECT_EQ(Score(4), 0);
  int lines = 0;
  for (const std::string& line : zentoir::testing::ErrorLogLines())
    lines += line.find("Score file") != std::string::npos;
  EXPECT_EQ(lines, 1);
  EXPECT_NE(zentoir::testing::ErrorLogLines().at(0).find("4 impossible records"),
            std::string::npos);
}

TEST_F(HighScores, AFailedSaveKeepsTheTableAndTheNextSaveWritesIt) {
  const std::string path = tmp_.Path() + "Score.dat";
  ASSERT_TRUE(std::filesystem::create_directory(path));  // a folder where the file should be
  SetTable({{"Anna", 30}});
  EXPECT_EQ(AccessScoreFile("Save"), 0);  // reported, and the program carries on
  EXPECT_EQ(Name(1), "Anna");
  EXPECT_EQ(Score(1), 30);
  ASSERT_EQ(zentoir::testing::ErrorLogLines().size(), 1u);
  EXPECT_EQ(zentoir::testing::ErrorLogLines()[0].rfind("Score file not saved: " + path, 0), 0u);
  ExpectNoTemporaryFileBeside();
  ASSERT_TRUE(std::filesystem::remove(path));
  EXPECT_EQ(AccessScoreFile("Save"), 1);
  EXPECT_EQ(ScoreFile().substr(0, 8), std::string("\x1E\x00"
                                                  "Anna\r\n",
                                                  8));
}

TEST_F(HighScores, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  SetTable({{"Anna", 3}});
  AccessScoreFile("Save");
  SetTable({{"Bert", 4}});
  AccessScoreFile("Save");
  EXPECT_EQ(ScoreFile().substr(0, 8), std::string("\x04\x00"
                                                  "Bert\r\n",
                                                  8));
  ExpectNoTemporaryFileBeside();
}

TEST(Texts, RepeatAndTrim) {
  EXPECT_EQ(std::string(RepeatText("ab", 3).View()), "ababab");
  EXPECT_EQ(RepeatText("x", 0).length, 0u);
  EXPECT_EQ(RepeatText("x", -2).length, 0u);
  EXPECT_EQ(std::string(TrimText("  Anna Lena ", 0).View()), "Anna Lena");
  EXPECT_EQ(std::string(TrimText("  Anna ", 1).View()), "Anna ");
  EXPECT_EQ(std::string(TrimText("  Anna ", 2).View()), "  Anna");
  EXPECT_EQ(std::string(TrimText("   ", 0).View()), "   ");
}

}  // namespace
}  // namespace pindrake
