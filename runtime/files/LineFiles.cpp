#include "files/LineFiles.h"

#include "base/Shutdown.h"
#include "base/Stop.h"
#include "files/GameLineStore.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

void WriteBackGameLineStore() {
  GameLineStore().WriteBackIfDirty();
}

// Selects the file in the store, with the write-back at program end registered.
// False when the file was newly selected and is missing.
bool SelectFile(const DynString& name) {
  AddExitStep(ExitStage::LineStore, WriteBackGameLineStore);
  return GameLineStore().Select(name);
}

// The line index, or -1 (error 7 recorded) when it is outside 0..255.
int LineIndex(double line) {
  const int64_t index = TruncateToInt64(line);
  if (index >= 0 && index < kStoredLines) return static_cast<int>(index);
  SetErrorCode(kErrorArgument);
  return -1;
}

}  // namespace

LineFileStore& GameLineStore() {
  static auto* store = new LineFileStore();  // still there when the exit step runs
  return *store;
}

DynString GetFileLine(const DynString& name, double line) {
  if (!SelectFile(name)) return "NO_FILE";
  const int index = LineIndex(line);
  return index < 0 ? DynString("NO_DATA") : GameLineStore().LineText(index);
}

double GetFileNumber(const DynString& name, double line) {
  return TextToNumber(GetFileLine(name, line));
}

void PutFileLine(const DynString& name, double line, const DynString& text) {
  SelectFile(name);
  const int index = LineIndex(line);
  if (index >= 0) GameLineStore().SetLine(index, text.View());
}

void PutFileNumber(const DynString& name, double line, double value) {
  PutFileLine(name, line, NumberToText(value));
}

}  // namespace zentoir
