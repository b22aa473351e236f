#include "platform/MachineId.h"

#include "os/SystemFacts.h"

namespace zentoir {
namespace {

constexpr uint32_t kRuntimeMask = 0x5A17C3E9;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

bool FoldMachineId(const std::string& text, uint32_t& folded) {
  if (text.size() != 32) return false;
  uint32_t result = 0;
  uint32_t word = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0) return false;
    word = word << 4 | static_cast<uint32_t>(digit);
    if (i % 8 == 7) {
      result ^= word;
      word = 0;
    }
  }
  folded = result;
  return true;
}

uint32_t MachineIdNumber(const std::string& systemId, const std::string& keptIdFile) {
  uint32_t folded = 0;
  if (FoldMachineId(systemId, folded) || keptIdFile.empty()) return folded;
  std::string kept;
  if (os::ReadSmallFile(keptIdFile, kept) && kept.size() >= 32 &&
      FoldMachineId(kept.substr(0, 32), folded))
    return folded;
  // Only a missing file is made; anything else under the name is left alone.
  const std::string fresh = os::RandomHex(16);
  if (kept.empty() && fresh.size() == 32 && os::MakeFolders(FolderOf(keptIdFile)) &&
      os::WriteNewFile(keptIdFile, fresh + "\n"))
    FoldMachineId(fresh, folded);
  return folded;
}

std::string MachineIdText(uint32_t folded) {
  static const char kDigits[] = "0123456789ABCDEF";
  const uint32_t id = folded ^ kRuntimeMask;
  std::string text;
  for (int byte = 0; byte < 4; ++byte) {
    const uint32_t value = id >> (8 * byte) & 0xFF;
    text += kDigits[value >> 4];
    text += kDigits[value & 15];
  }
  return text;
}

}  // namespace zentoir
