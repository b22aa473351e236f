#include "files/IniFiles.h"

#include "base/Shutdown.h"
#include "files/GameIniStore.h"

namespace zentoir {
namespace {

void WriteBackGameIniStore() {
  GameIniStore().WriteBackIfDirty();
}

// The store, with its write-back at program end registered (once; again after the
// exit steps have run).
IniStore& UsedStore() {
  AddExitStep(ExitStage::IniStore, WriteBackGameIniStore);
  return GameIniStore();
}

}  // namespace

IniStore& GameIniStore() {
  static auto* store = new IniStore();  // still there when the exit step runs
  return *store;
}

void IniOpen(const DynString& name) {
  IniStore& store = UsedStore();
  store.WriteBackIfDirty();
  store.Load(name);
}

DynString IniGet(const DynString& section, const DynString& key) {
  return GameIniStore().Get(section, key);
}

void IniPut(const DynString& section, const DynString& key, const DynString& value) {
  UsedStore().Put(section, key, value);
}

}  // namespace zentoir
