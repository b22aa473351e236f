// What the search knows of one grid cell.
#pragma once

#include <cstdint>

namespace zentoir {

struct SearchCell {
  float cost;      // of entering the cell: in (1, 2], or −1 when blocked
  float g;         // cost of the best known way from the start: +∞ while unreached, −∞ when
                   // blocked, so that no way ever counts as better than a blocked cell's
  int32_t parent;  // the cell this one was reached from; −1 for the start
  int32_t slot;    // the cell's place in the open list's heap; −1 when not open
};

}  // namespace zentoir
