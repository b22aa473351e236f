#include "HighScores.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Board.h"
#include "Statistics.h"
#include "Widgets.h"

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

namespace {

// Points a game can reach: a board of 99 balloons scores one less than it bursts in a
// group, so 98 at most.
constexpr double kMostPoints = 98;
constexpr size_t kLongestName = 20;

// A record the game can have written: points a board allows and a name of at most 20
// bytes without control bytes.
bool IsPossibleRecord(double score, const uint8_t* name, size_t length) {
  if (score > kMostPoints || length > kLongestName) return false;
  for (size_t i = 0; i < length; ++i) {
    if (name[i] < 0x20 || (name[i] >= 0x7F && name[i] < 0xA0)) return false;
  }
  return true;
}

}  // namespace

int ParseScoreFile(const std::vector<uint8_t>& bytes, int* dropped) {
  int records = 0, left = 0;
  size_t at = 0;
  int place = 1;
  while (records < kStoredPlaces && at + 2 <= bytes.size()) {
    const double score = bytes[at] | (bytes[at + 1] << 8);
    at += 2;
    size_t end = at;
    while (end < bytes.size() && bytes[end] != '\n')
      ++end;
    const bool complete = end < bytes.size();
    size_t nameEnd = end;
    if (nameEnd > at && bytes[nameEnd - 1] == '\r') --nameEnd;
    if (IsPossibleRecord(score, bytes.data() + at, nameEnd - at)) {
      Place(place).score = score;
      Place(place).name.AssignBytes(reinterpret_cast<const char*>(bytes.data() + at),
                                    static_cast<uint32_t>(nameEnd - at));
      ++place;
    } else {
      ++left;
    }
    at = complete ? end + 1 : end;
    if (complete) ++records;
  }
  if (dropped) *dropped = left;
  return records;
}

namespace {

// Writes the table beside the old file and renames it over it, so a program killed while
// saving leaves either the old table or the new one, never a truncated file. On failure
// the reason goes to the error log and the old file stays.
bool SaveScoreFile(const std::string& path) {
  const std::vector<uint8_t> bytes = FormatScoreFile();
  const DynString content(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<uint32_t>(bytes.size()));
  errno = 0;
  if (SaveFileSafely(path.c_str(), content) != 0) return true;
  // A path that is not a regular file is refused without a system error to name.
  const std::string reason = errno != 0 ? std::string(": ") + std::strerror(errno) : "";
  AppendErrorLog("Score file not saved: " + path + reason);
  return false;
}

void LoadScoreFile(const std::string& path) {
  DynString content;
  // A damaged or short file gives what it holds instead of ending the program, so the
  // game always starts; records no game can have written are left out.
  if (ReadFileBytes(path.c_str(), content, 1 << 20) == 0) {
    AppendErrorLog(DynString(("Score file unreadable: " + path).c_str()));
    return;
  }
  const std::vector<uint8_t> bytes(content.View().begin(), content.View().end());
  int dropped = 0;
  const int records = ParseScoreFile(bytes, &dropped);
  if (dropped > 0) {
    AppendErrorLog(DynString(
        ("Score file damaged, " + std::to_string(dropped) + " impossible records left out: " + path)
            .c_str()));
  } else if (records < kStoredPlaces) {
    AppendErrorLog(DynString(("Score file incomplete: " + path).c_str()));
  }
}

}  // namespace

double AccessScoreFile(const DynString& mode) {
  const std::string path = ScoreFilePath();
  if (mode == "Load" && FileExists(path.c_str()) != 0) {
    LoadScoreFile(path);
  } else if (mode == "Save") {
    return SaveScoreFile(path) ? 1 : 0;
  }
  return 1;
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
    // A failed save keeps the table in memory; the next save that works writes it.
    if (AccessScoreFile("Save") == 0) {
      MessageDialog(
          "Die Highscore konnte nicht|gespeichert werden. Sie bleibt|im Spiel und wird beim|"
          "n\xE4"
          "chsten Mal gespeichert.",
          1, 8);
    }
    RecordPlacedGame(place);  // follows the table in memory, which a later save writes
  }
  NewGame();
  riseSpeed = 150;
  menuPage = 1;
}

}  // namespace pindrake
