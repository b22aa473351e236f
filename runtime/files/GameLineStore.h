// The one line-file store behind the line-file commands.
#pragma once

#include "files/LineFileStore.h"

namespace zentoir {

LineFileStore& GameLineStore();

}  // namespace zentoir
