#include "base/RuntimeContext.h"

namespace zentoir {

StartupSettings& Settings() {
  static StartupSettings settings;
  return settings;
}

RuntimeContext& Runtime() {
  static RuntimeContext context;
  return context;
}

}  // namespace zentoir
