#include "platform/CallByName.h"

#include <string>
#include <vector>

#include "platform/DebugOut.h"

namespace zentoir {
namespace {

struct CallEntry {
  GameFunction function;
  std::string name;
};

std::vector<CallEntry>& CallTable() {
  static auto* table = new std::vector<CallEntry>();  // usable until the last exit step
  return *table;
}

}  // namespace

double RegisterGameFunction(const DynString& name, GameFunction function) {
  if (name.IsEmpty() || !function) return 0;
  CallTable().push_back({function, std::string(name.View())});
  return 1;
}

double CallByName(const DynString& name) {
  for (const CallEntry& entry : CallTable()) {
    if (entry.name == name.View()) {
      entry.function();
      return 1;
    }
  }
  DynString line = "CALLBYNAME \"";
  line += name;
  line += "\" *** failed ***\n";
  DebugOut(line);
  return 0;
}

}  // namespace zentoir
