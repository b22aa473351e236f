#include "audio/AudioState.h"

namespace zentoir {

AudioState& Audio() {
  static AudioState state;
  return state;
}

}  // namespace zentoir
