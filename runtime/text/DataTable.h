// Data tables: constant lists of numbers and texts compiled into a game, read in order.
#pragma once

#include <cstdint>

#include "text/DynString.h"

namespace zentoir {

struct DataItem {
  double number;
  const char* text;  // null for a numeric item
};

struct DataTable {
  const DataItem* items;
  int32_t count;
  int32_t position;
};

// Makes the table current and starts reading it from the beginning.
void RestoreData(DataTable& table);

// The current table's next item, as text or as a number. Reading past the end, or with
// no table current, stops the program with error 20.
void ReadDataText(DynString& target);
void ReadDataNumber(double& target);

}  // namespace zentoir
