// Whether buffer swaps wait for the display. Where vertical sync is asked for but the
// swap returns at once (no vertical sync on this display, software OpenGL, some remote
// desktops), frames would be drawn as fast as the processor allows; once that is seen,
// the renderer paces them at the display's refresh rate itself.
#pragma once

namespace zentoir {

class SwapWait {
 public:
  // Milliseconds between two refreshes; a rate of 0 or less (unknown) counts as 60.
  static double RefreshIntervalFor(int refreshRate);

  // Starts over for a new window, display mode or vertical-sync setting.
  void Reset(double refreshInterval);

  // Called each time a swap has returned, with the time it returned.
  void NoteSwap(double now);

  // 1 once enough swaps in a row came back much sooner than a refresh.
  bool SwapsReturnAtOnce() const { return returnsAtOnce_; }
  double RefreshInterval() const { return refreshInterval_; }

 private:
  double refreshInterval_ = 1000.0 / 60.0;
  double lastSwap_ = -1;
  int quickSwapsInARow_ = 0;
  bool returnsAtOnce_ = false;
};

}  // namespace zentoir
