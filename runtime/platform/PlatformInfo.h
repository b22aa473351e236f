// Keyed facts about the platform the program runs on.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Keys (letter case ignored): "" the platform's name ("LINUX", "WIN32"); "GLEXT:" + name "1"
// when the OpenGL driver has that entry point (name in the caller's case), else "0";
// "ID" 8 upper-case hexadecimal digits, stable per machine; "DEVICE" "DESKTOP";
// "TIME" the local time as "2008-07-01 09:05:00"; "BATTERY" the charge in percent,
// 255 when unknown. Any other key: "NO_DATA".
DynString PlatformInfo(const DynString& key);

}  // namespace zentoir
