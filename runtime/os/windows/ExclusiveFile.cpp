#include "os/ExclusiveFile.h"

#include "os/windows/FileKinds.h"

namespace zentoir::os {

bool AppendExclusive(const char* path, std::string_view bytes) {
  if (win32::NamesADevice(path)) return false;
  // Share mode 0: while another holder has the file open, this open fails with a sharing
  // violation instead of waiting.
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER zero;
  zero.QuadPart = 0;
  const bool ok = win32::IsOpenPlainFile(file) && SetFilePointerEx(file, zero, nullptr, FILE_END) &&
                  win32::WriteAllTo(file, bytes.data(), bytes.size());
  CloseHandle(file);
  return ok;
}

}  // namespace zentoir::os
