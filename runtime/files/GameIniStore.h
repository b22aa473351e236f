// The one INI store behind the INI commands (other readers of the format keep their own).
#pragma once

#include "files/IniStore.h"

namespace zentoir {

IniStore& GameIniStore();

}  // namespace zentoir
