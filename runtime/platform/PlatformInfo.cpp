#include "platform/PlatformInfo.h"

#include <cstdio>
#include <string>
#include <vector>

#include "os/GLEntryPoint.h"
#include "os/SystemFacts.h"
#include "platform/MachineId.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr std::string_view kGLPrefix = "GLEXT:";

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

DynString LocalTimeText() {
  const os::LocalTime t = os::CurrentLocalTime();
  char text[64];
  std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

// Several batteries count as one of their mean charge.
DynString BatteryText() {
  const std::vector<int> percents = os::BatteryPercents();
  if (percents.empty()) return NumberToText(255);
  int sum = 0;
  for (int percent : percents)
    sum += percent;
  return NumberToText(sum / static_cast<int>(percents.size()));
}

DynString MachineIdentifier() {
  const std::string folder = os::UserDataFolder();
  const std::string keptFile = folder.empty() ? std::string() : folder + "machine-id";
  return DynString(MachineIdText(MachineIdNumber(os::SystemMachineId(), keptFile)));
}

}  // namespace

DynString PlatformInfo(const DynString& key) {
  const std::string upper = UpperAscii(key.View());
  if (upper.starts_with(kGLPrefix)) {
    // The name goes on as the caller wrote it (entry-point names are case-sensitive);
    // a name with a NUL byte in it names no entry point.
    const std::string name(key.View().substr(kGLPrefix.size()));
    const bool found =
        name.find('\0') == std::string::npos && os::GLEntryPointAvailable(name.c_str());
    return found ? "1" : "0";
  }
  if (upper.empty()) return os::PlatformName();
  if (upper == "ID") return MachineIdentifier();
  if (upper == "DEVICE") return "DESKTOP";
  if (upper == "TIME") return LocalTimeText();
  if (upper == "BATTERY") return BatteryText();
  return "NO_DATA";
}

}  // namespace zentoir
