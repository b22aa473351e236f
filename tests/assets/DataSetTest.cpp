// The generator writes exactly the files the game loads, the same bytes on every run,
// and reports failure instead of leaving a half-written data set unnoticed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "GeneratedData.h"

namespace assets_test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Written out here from the game's loading code rather than taken from the generator,
// so a file the generator forgets or misnames is caught.
std::vector<std::string> FilesTheGameLoads() {
  std::vector<std::string> files{"Maus.png",   "Umriss.png",   "2Pindrake.png", "Blau.png",
                                 "Rot.png",    "Gr\xFCn.png",  "Gelb.png",      "Weiss.png",
                                 "Mauer.png",  "Wolken.png",   "Wolkenlos.png", "Marmor.png",
                                 "Sterne.png", "NeuSpiel.png", "smalfont.bmp",  "button.wav",
                                 "Platz.wav",  "deng.wav",     "ikona.mid"};
  for (const char* colour : {"schwarz", "weiss", "rot", "gruen", "blau", "gelb"}) {
    for (const char* size : {"7x14", "7x14_fett", "8x17", "9x17", "14x27"}) {
      files.push_back(std::string("Fonts/Courier_") + colour + "_" + size + ".png");
    }
  }
  return files;
}

TEST(DataSet, WritesEveryFileTheGameLoadsAndListsThem) {
  const std::string& dir = GeneratedDataDir();
  for (const std::string& file : FilesTheGameLoads()) {
    EXPECT_TRUE(std::filesystem::is_regular_file(dir + file)) << file;
    EXPECT_GT(std::filesystem::file_size(dir + file), 40u) << file;
  }
  std::ifstream manifest(dir + "../files.txt", std::ios::binary);
  std::set<std::string> listed;
  for (std::string line; std::getline(manifest, line);)
    listed.insert(line);
  const std::vector<std::string> expected = FilesTheGameLoads();
  EXPECT_EQ(listed, std::set<std::string>(expected.begin(), expected.end()));
}

TEST(DataSet, GreenBalloonNameHoldsTheLatin1Byte) {
  bool found = false;
  for (const auto& entry : std::filesystem::directory_iterator(GeneratedDataDir())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("Gr")) found = (name == "Gr\xFCn.png");
  }
  EXPECT_TRUE(found);
}

TEST(DataSet, IsTheSameOnEveryRun) {
  GeneratedDataDir();  // the shared folder first, so it does not land inside `again`
  TempFolder again;
  ASSERT_EQ(RunGenerator("data " + Quoted(again.Path()) + " " + Quoted(again.Path() + "list")), 0);
  for (const std::string& file : FilesTheGameLoads()) {
    EXPECT_EQ(ReadWholeFile(again.Path() + file), ReadWholeFile(GeneratedDataDir() + file)) << file;
  }
}

TEST(DataSet, GeneratorReportsFailures) {
  TempFolder folder;
  const std::string usage = "pindrake_assets_generator: usage: ";
  EXPECT_THAT(GeneratorFailure(""), StartsWith(usage));
  EXPECT_THAT(GeneratorFailure("data only-one-argument"), StartsWith(usage));
  EXPECT_THAT(GeneratorFailure("icon " + Quoted(folder.Path() + "i.png") + " 3"),
              HasSubstr("icon size must be 16..1024"));
  // A data folder below a plain file cannot be created.
  std::ofstream(folder.Path() + "plain") << "x";
  EXPECT_THAT(GeneratorFailure("data " + Quoted(folder.Path() + "plain/Daten") + " " +
                               Quoted(folder.Path() + "list")),
              HasSubstr("cannot "));
  // Missing fonts stop the run instead of leaving empty font sheets.
  EXPECT_THAT(
      GeneratorFailure("data " + Quoted(folder.Path() + "d") + " " +
                       Quoted(folder.Path() + "list") + " " + Quoted(folder.Path() + "none")),
      HasSubstr("cannot open font " + folder.Path() + "none/"));
  EXPECT_THAT(GeneratorFailure("contact-sheet " + Quoted(folder.Path() + "none") + " " +
                               Quoted(folder.Path() + "sheet.png")),
              HasSubstr("cannot read " + folder.Path() + "none"));
}

TEST(DataSet, ContactSheetAndIconAreWritten) {
  GeneratedDataDir();
  TempFolder folder;
  ASSERT_EQ(RunGenerator("contact-sheet " + Quoted(GeneratedDataDir()) + " " +
                         Quoted(folder.Path() + "sheet.png")),
            0);
  EXPECT_GT(std::filesystem::file_size(folder.Path() + "sheet.png"), 10000u);
  ASSERT_EQ(RunGenerator("icon " + Quoted(folder.Path() + "icon.png") + " 64"), 0);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.Path() + "icon.png"));
}

}  // namespace
}  // namespace assets_test
