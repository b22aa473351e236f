// The high-score table: 25 places in memory, the best 20 in "Score.dat".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Globals.h"

namespace pindrake {

// "Load" reads "Score.dat" from programDir, "Save" writes it; anything else does nothing.
// 0 when a save failed (the reason is in the error log, the table stays), else 1.
double AccessScoreFile(const DynString& mode);
// The table in a sunken frame, centred.
void DrawHighScores();
// The end-of-game name entry and insertion into the table.
void EnterHighScore();

// The place (1..25) a result takes, or 0 when it is not listed: an empty name never
// is, and the same name with the same points is not listed twice.
double ScorePlaceFor(double result, const DynString& name);
// Moves places `place`..24 one down and puts the result at `place`.
void InsertScore(double place, const DynString& name, double result);

// "Score.dat" as bytes: 20 records of a 16-bit little-endian score, the name and CR LF.
std::vector<uint8_t> FormatScoreFile();
// Fills places 1..20 from the file's bytes, as far as they go; places past the end of a
// short or damaged file stay empty. Records no game can have written (more than 98
// points, a name longer than 20 bytes or with control bytes) are left out and counted in
// `dropped`. Returns the number of complete records read.
int ParseScoreFile(const std::vector<uint8_t>& bytes, int* dropped = nullptr);

// The path of "Score.dat".
std::string ScoreFilePath();

}  // namespace pindrake
