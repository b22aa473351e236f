#include "core/StartupWatch.h"

namespace zentoir {
namespace {

StartupWatcher watching = nullptr;

}  // namespace

void WatchStartup(StartupWatcher watcher) {
  watching = watcher;
}

void AnnounceStartupStep(StartupStep step) {
  if (watching) watching(step);
}

}  // namespace zentoir
