#include "GroupPreview.h"

#include "Board.h"
#include "GameRecord.h"
#include "Widgets.h"

namespace pindrake {
namespace {

bool PreviewShown() {
  if (balloonsMoving != 0 || CurrentGame().burstDepth != 0) return false;
  if (hoverColumn <= 0 || hoverRow <= 0) return false;
  return Cell(hoverColumn, hoverRow).balloon > 0 && HasSameNeighbour(hoverColumn, hoverRow) != 0;
}

}  // namespace

double PreviewPoints() {
  if (!PreviewShown()) return 0;
  return double(GroupCells(hoverColumn, hoverRow).size()) - 1;
}

void DrawGroupPreview() {
  if (!PreviewShown()) return;
  const auto group = GroupCells(hoverColumn, hoverRow);
  for (const auto& [c, r] : group) {
    zentoir::DrawSprite(outlineSprite, boardLeft + (c - 1) * CELL_SIZE,
                        boardTop + (r - 1) * CELL_SIZE);
  }
  PrintShadowed(DynString("+") + zentoir::NumberToText(double(group.size()) - 1), 50, 124, 4, 29,
                2);
}

}  // namespace pindrake
