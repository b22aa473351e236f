#include "Statistics.h"

#include <array>
#include <cstdio>

#include "Widgets.h"

namespace pindrake {

using namespace zentoir;

namespace {

constexpr int kRecordedPlaces = 20;  // the places "Score.dat" keeps
const char* const kTotals = "Statistics";

std::array<bool, kRecordedPlaces + 1>& UndoMarks() {
  static std::array<bool, kRecordedPlaces + 1> marks{};
  return marks;
}

// INI names end at a blank, so the section is "Place1" .. "Place20".
DynString PlaceSection(double place) {
  return "Place" + NumberToText(place);
}

// Names are kept in quotes: the store drops leading blanks and empty values.
DynString QuotedName(const DynString& name) {
  return "\"" + name + "\"";
}

double GetNumber(const DynString& section, const DynString& key) {
  const DynString text = IniGet(section, key);
  return text == "NO_DATA" ? 0 : TextToNumber(text);
}

void PutNumber(const DynString& section, const DynString& key, double value) {
  IniPut(section, key, NumberToText(value));
}

// Writes the changes back now (the store writes on switching files), so a program that
// is killed later keeps them.
void Flush() {
  IniOpen(StatisticsPath());
}

void CopyPlace(double from, double to) {
  const DynString source = PlaceSection(from), target = PlaceSection(to);
  IniPut(target, "", "");
  if (IniGet(source, "Seed") == "NO_DATA") return;
  for (const char* key : {"Name", "Points", "Seed", "Moves", "Undo"})
    IniPut(target, key, IniGet(source, key));
}

}  // namespace

DynString StatisticsPath() {
  return programDir + "Pindrake.ini";
}

void LoadStatistics() {
  IniOpen(StatisticsPath());
  for (double i = 1; i <= kRecordedPlaces; ++i)
    UndoMarks()[size_t(i)] = PlaceUsedUndo(i);
}

void RecordFinishedGame(double finalPoints, bool cleared) {
  IniOpen(StatisticsPath());
  const double played = GetNumber(kTotals, "GamesPlayed") + 1;
  const double total = GetNumber(kTotals, "TotalPoints") + finalPoints;
  PutNumber(kTotals, "GamesPlayed", played);
  PutNumber(kTotals, "GamesCleared", GetNumber(kTotals, "GamesCleared") + (cleared ? 1 : 0));
  if (played == 1 || finalPoints > GetNumber(kTotals, "BestPoints"))
    PutNumber(kTotals, "BestPoints", finalPoints);
  PutNumber(kTotals, "TotalPoints", total);
  PutNumber(kTotals, "AveragePoints", total / played);
  Flush();
}

void RecordPlacedGame(double place) {
  if (place < 1 || place > kRecordedPlaces) return;  // places past 20 are not kept
  IniOpen(StatisticsPath());
  for (double k = kRecordedPlaces; k > place; --k) {
    CopyPlace(k - 1, k);
    UndoMarks()[size_t(k)] = UndoMarks()[size_t(k - 1)];
  }
  const GameRecord& game = CurrentGame();
  const DynString section = PlaceSection(place);
  IniPut(section, "", "");
  IniPut(section, "Name", QuotedName(ElementAt(highScores, place).name));
  PutNumber(section, "Points", ElementAt(highScores, place).score);
  PutNumber(section, "Seed", game.seed);
  IniPut(section, "Moves", FormatMoves(game.moves).c_str());
  PutNumber(section, "Undo", game.undoUsed ? 1 : 0);
  UndoMarks()[size_t(place)] = game.undoUsed;
  Flush();
}

bool ReadPlaceRecord(double place, PlaceRecord& record) {
  if (place < 1 || place > kRecordedPlaces) return false;
  const DynString section = PlaceSection(place);
  if (IniGet(section, "Seed") == "NO_DATA") return false;
  record.name = ElementAt(highScores, place).name;
  if (IniGet(section, "Name") != QuotedName(record.name)) return false;
  record.points = GetNumber(section, "Points");
  record.seed = GetNumber(section, "Seed");
  record.undoUsed = GetNumber(section, "Undo") != 0;
  if (record.points != ElementAt(highScores, place).score) return false;
  const DynString moves = IniGet(section, "Moves");  // a game without bursts has none
  record.moves.clear();
  if (moves != "NO_DATA" && !ParseMoves(moves.View(), record.moves)) return false;
  return MovesInPlayableOrder(record.moves);
}

bool PlaceUsedUndo(double place) {
  const DynString section = PlaceSection(place);
  const ScoreEntry& entry = ElementAt(highScores, place);
  return GetNumber(section, "Undo") != 0 && IniGet(section, "Name") == QuotedName(entry.name) &&
         GetNumber(section, "Points") == entry.score;
}

void DrawUndoMarks() {
  SelectFont(11);
  for (double i = 1; i <= kRecordedPlaces; ++i) {
    if (UndoMarks()[size_t(i)]) PrintText("u", centreX + 126, 83 + 15 * i - 7);
  }
}

std::string StatisticsReport() {
  auto number = [](const DynString& section, const char* key) {
    return std::string(NumberToText(GetNumber(section, key)).View());
  };
  std::string report = "Games played:   " + number(kTotals, "GamesPlayed") +
                       "\nGames cleared:  " + number(kTotals, "GamesCleared") +
                       "\nBest points:    " + number(kTotals, "BestPoints") +
                       "\nAverage points: " + number(kTotals, "AveragePoints") + "\n";
  for (double i = 1; i <= kRecordedPlaces; ++i) {
    PlaceRecord record;
    if (!ReadPlaceRecord(i, record)) continue;
    report += "Place " + std::to_string(int(i)) + ": " + std::string(record.name.View()) + ", " +
              number(PlaceSection(i), "Points") + " points, seed " +
              number(PlaceSection(i), "Seed") + ", " + std::to_string(record.moves.size()) +
              " moves" + (record.undoUsed ? ", undo used" : "") + "\n";
  }
  return report;
}

}  // namespace pindrake
