#include "Undo.h"

#include <vector>

#include "Board.h"
#include "GameRecord.h"

namespace pindrake {
namespace {

struct UndoStep {
  std::vector<BoardCell> cells;  // columns 0..10 × rows 0..12, column outer
  double points = 0;
  double balloonsLeft = 0;
  double popped = 0;
  size_t moves = 0;
};

std::vector<UndoStep>& History() {
  static std::vector<UndoStep> history;
  return history;
}

}  // namespace

void SaveUndoStep() {
  UndoStep step;
  step.cells.reserve(11 * 13);
  for (double c = 0; c <= 10; ++c) {
    for (double r = 0; r <= 12; ++r)
      step.cells.push_back(Cell(c, r));
  }
  step.points = points;
  step.balloonsLeft = balloonsLeft;
  step.popped = CurrentGame().popped;
  step.moves = CurrentGame().moves.size();
  History().push_back(std::move(step));
}

double UndoLastBurst() {
  if (History().empty()) return 0;
  const UndoStep& step = History().back();
  size_t i = 0;
  for (double c = 0; c <= 10; ++c) {
    for (double r = 0; r <= 12; ++r)
      Cell(c, r) = step.cells[i++];
  }
  points = step.points;
  balloonsLeft = step.balloonsLeft;
  GameRecord& record = CurrentGame();
  record.popped = step.popped;
  record.moves.resize(step.moves);
  record.undoUsed = true;
  History().pop_back();
  return 1;
}

void ClearUndoHistory() {
  History().clear();
}

double UndoSteps() {
  return double(History().size());
}

}  // namespace pindrake
