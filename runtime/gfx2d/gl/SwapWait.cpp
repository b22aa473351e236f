#include "gfx2d/gl/SwapWait.h"

namespace zentoir {
namespace {
constexpr int kUnknownRefreshRate = 60;
// A swap that waits for the display comes back a whole refresh (or several) after the
// one before, give or take a little; one that comes back much sooner did not wait.
constexpr double kQuickShare = 0.8;
// Enough quick swaps in a row that a few fast frames on a display that does wait (just
// after a mode switch, say) do not count.
constexpr int kQuickSwapsToDecide = 30;
}  // namespace

double SwapWait::RefreshIntervalFor(int refreshRate) {
  return 1000.0 / (refreshRate > 0 ? refreshRate : kUnknownRefreshRate);
}

void SwapWait::Reset(double refreshInterval) {
  refreshInterval_ = refreshInterval;
  lastSwap_ = -1;
  quickSwapsInARow_ = 0;
  returnsAtOnce_ = false;
}

void SwapWait::NoteSwap(double now) {
  if (returnsAtOnce_) return;
  const bool quick = lastSwap_ >= 0 && now - lastSwap_ < kQuickShare * refreshInterval_;
  lastSwap_ = now;
  quickSwapsInARow_ = quick ? quickSwapsInARow_ + 1 : 0;
  returnsAtOnce_ = quickSwapsInARow_ >= kQuickSwapsToDecide;
}

}  // namespace zentoir
