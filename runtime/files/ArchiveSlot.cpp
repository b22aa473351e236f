#include "files/ArchiveSlot.h"

#include "base/Shutdown.h"
#include "os/File.h"

namespace zentoir {
namespace {

struct ArchiveSlots {
  ArchiveSlot general;
  ArchiveSlot media;
};

ArchiveSlots& Slots() {
  static ArchiveSlots slots;
  return slots;
}

void NameArchive(ArchiveSlot& slot, const DynString& path) {
  DeleteExtractedFile(slot);
  slot.enabled = 1;
  slot.archivePath.assign(path.View());
}

}  // namespace

void DeleteExtractedFile(ArchiveSlot& slot) {
  if (slot.extractedPath.empty()) return;
  os::RemoveFile(slot.extractedPath);
  slot.extractedPath.clear();
}

ArchiveSlot& GeneralArchiveSlot() {
  return Slots().general;
}
ArchiveSlot& MediaArchiveSlot() {
  return Slots().media;
}

void CreateArchiveSlots() {
  NameArchive(GeneralArchiveSlot(), "");
  NameArchive(MediaArchiveSlot(), "");
  AddShutdownStep(ShutdownStage::Archives, DeleteExtractedFiles);
}

void SetResourceArchives(const DynString& generalArchive, const DynString& mediaArchive) {
  NameArchive(GeneralArchiveSlot(), generalArchive);
  NameArchive(MediaArchiveSlot(), mediaArchive);
}

void DeleteExtractedFiles() {
  DeleteExtractedFile(GeneralArchiveSlot());
  DeleteExtractedFile(MediaArchiveSlot());
}

}  // namespace zentoir
