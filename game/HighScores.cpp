#include "HighScores.h"

#include <cstdio>

#include "Board.h"
#include "Statistics.h"
#include "Widgets.h"
#include "os/File.h"

namespace pindrake {

using namespace zentoir;

namespace {

constexpr int kStoredPlaces = 20;
constexpr int kPlaces = 25;

ScoreEntry& Place(double i) {
  return ElementAt(highScores, i);
}

}  // namespace

std::string ScoreFilePath() {
  return std::string((programDir + "Score.dat").View());
}

std::vector<uint8_t> FormatScoreFile() {
  std::vector<uint8_t> bytes;
  for (int i = 1; i <= kStoredPlaces; ++i) {
    const auto score = static_cast<uint32_t>(TruncateToInt64(Place(i).score));
    bytes.push_back(static_cast<uint8_t>(score & 0xFF));
    bytes.push_back(static_cast<uint8_t>((score >> 8) & 0xFF));
    const std::string_view name = Place(i).name.View();
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  return bytes;
}

int ParseScoreFile(const std::vector<uint8_t>& bytes) {
  size_t at = 0;
  int records = 0;
  for (int i = 1; i <= kStoredPlaces && at + 2 <= bytes.size(); ++i) {
    const double score = bytes[at] | (bytes[at + 1] << 8);
    at += 2;
    size_t end = at;
    while (end < bytes.size() && bytes[end] != '\n')
      ++end;
    const bool complete = end < bytes.size();
    size_t nameEnd = end;
    if (nameEnd > at && bytes[nameEnd - 1] == '\r') --nameEnd;
    Place(i).score = score;
    Place(i).name.AssignBytes(reinterpret_cast<const char*>(bytes.data() + at),
                              static_cast<uint32_t>(nameEnd - at));
    at = complete ? end + 1 : end;
    if (complete) ++records;
  }
  return records;
}

void AccessScoreFile(const DynString& mode) {
  const std::string path = ScoreFilePath();
  if (mode == "Load" && FileExists(path.c_str()) != 0) {
    std::vector<uint8_t> bytes;
    // A damaged or short file gives what it holds instead of ending the program, so the
    // game always starts.
    if (!os::ReadWholeFile(path, bytes, 1 << 20) || ParseScoreFile(bytes) < kStoredPlaces) {
      AppendErrorLog(DynString(("Score file incomplete: " + path).c_str()));
    }
  } else if (mode == "Save") {
    // Written beside the old file and renamed over it, so a program killed while saving
    // leaves either the old table or the new one, never a truncated file.
    const std::vector<uint8_t> bytes = FormatScoreFile();
    const std::string temporary = path + ".new";
    os::File file;
    const bool written =
        file.CreateAnew(temporary) && file.WriteAll(bytes.data(), bytes.size()) && file.Sync();
    file.Close();
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
      os::RemoveFile(temporary);
      StopWithError(kErrorFile);
    }
  }
}

void DrawHighScores() {
  DrawBevelFrame(centreX - 150, 55, 300, SCREEN_HEIGHT - 65, 1);
  PrintShadowed("Highscore", centreX, 72, 9, 24, 1);
  for (double i = 1; i <= kPlaces; ++i) {
    const ScoreEntry& entry = Place(i);
    DynString line = RepeatText(" ", 2 - NumberTextLength(i)) + NumberToText(i) + ". " +
                     RepeatText(" ", 2 - NumberTextLength(entry.score)) +
                     NumberToText(entry.score) + " " + entry.name;
    line = line + RepeatText(".", 27 - TextLength(line));
    PrintShadowed(line, centreX, 83 + 15 * i, 8, 3, 1);
  }
  DrawUndoMarks();
}

double ScorePlaceFor(double result, const DynString& name) {
  if (name.IsEmpty()) return 0;
  for (double i = 1; i <= kPlaces; ++i) {
    if (Place(i).score > result) continue;
    if (Place(i).score != result) return i;
    for (double j = i; j <= kPlaces; ++j) {
      if (Place(j).score == result && Place(j).name == name) return 0;
    }
    return i;
  }
  return 0;
}

void InsertScore(double place, const DynString& name, double result) {
  for (double k = kPlaces; k > place; --k)
    Place(k) = Place(k - 1);
  Place(place).name = name;
  Place(place).score = result;
}

void EnterHighScore() {
  for (;;) {
    TileSprite(cloudsSprite);
    DrawHighScores();
    SelectFont(3);
    PrintCentred(NumberToText(points) +
                     " Punkte. Gebe einen Namen ein und dr\xFC"
                     "cke RETURN",
                 centreX, 6);
    SelectFont(4);
    InputText(playerName, centreX - 150, 12);
    playerName = TrimText(playerName, 0);
    if (TextLength(playerName) <= 20) break;
    MessageDialog("Nicht mehr als 20 Zeichen.", 1, 9);
  }
  const double place = ScorePlaceFor(points, playerName);
  if (place > 0) {
    InsertScore(place, playerName, points);
    AccessScoreFile("Save");
    RecordPlacedGame(place);
  }
  NewGame();
  riseSpeed = 150;
  menuPage = 1;
}

}  // namespace pindrake
