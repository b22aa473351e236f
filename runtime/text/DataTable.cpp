#include "text/DataTable.h"

#include "base/Stop.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

DataTable* currentTable = nullptr;

const DataItem& NextItem() {
  DataTable* table = currentTable;
  if (!table || !table->items || table->position < 0 || table->position >= table->count) {
    StopWithError(kErrorNoMoreData);
  }
  return table->items[table->position++];
}

}  // namespace

void RestoreData(DataTable& table) {
  currentTable = &table;
  table.position = 0;
}

void ReadDataText(DynString& target) {
  const DataItem& item = NextItem();
  if (item.text) {
    target = item.text;
  } else {
    target = NumberToText(item.number);
  }
}

void ReadDataNumber(double& target) {
  const DataItem& item = NextItem();
  target = item.text ? TextToNumber(item.text) : item.number;
}

}  // namespace zentoir
