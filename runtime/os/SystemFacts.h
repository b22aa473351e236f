// Facts about the machine and the process: debugger, batteries, local time, machine
// identity, the user's data folder.
#pragma once

#include <string>
#include <vector>

namespace zentoir::os {

// The platform's name as programs ask for it: "LINUX", "WIN32".
const char* PlatformName();

// Whether a debugger (any tracer) is attached to this process.
bool DebuggerAttached();

// Whether the environment variable is set to exactly "1".
bool EnvironmentFlag(const char* name);

// The charge in percent (0..100) of every battery the system reports, in name order.
std::vector<int> BatteryPercents();

struct LocalTime {
  int year, month, day, hour, minute, second;
};
LocalTime CurrentLocalTime();

// The system's machine identity text, normally 32 hexadecimal digits (Linux:
// /etc/machine-id or the D-Bus copy, trimmed; Windows: 24 zeros and the 8 digits of the
// serial number of volume C:); "" when there is none.
std::string SystemMachineId();

// The runtime's folder in the user's data folder (Linux: $XDG_DATA_HOME or
// ~/.local/share; Windows: the roaming application data folder), ending in the path
// separator; "" when it is not known.
std::string UserDataFolder();

// A small regular file's bytes (FIFOs and devices are refused without blocking); false
// when it cannot be read or is larger than `limit`.
bool ReadSmallFile(const std::string& path, std::string& text, size_t limit = 4096);

// Creates the folder (and its parents) private to the user; true when it exists after.
bool MakeFolders(const std::string& path);

// Writes a new file; fails, touching nothing, when anything exists under that name.
bool WriteNewFile(const std::string& path, const std::string& text);

// Random bytes from the system's source, as lower-case hexadecimal; "" when there is
// no source.
std::string RandomHex(int bytes);

}  // namespace zentoir::os
