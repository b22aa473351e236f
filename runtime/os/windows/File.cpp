#include "os/File.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "os/windows/FileKinds.h"

namespace zentoir::os {
namespace {

using win32::NameKind;

// ReadFile and WriteFile count in DWORDs: larger transfers go in pieces of this size.
constexpr size_t kChunk = size_t{1} << 30;

// Reparse tags of special files that are neither data nor a link to a path: a local
// socket, and the FIFOs and device nodes that Linux programs make.
constexpr DWORD kTagLinuxFifo = 0x80000024;
constexpr DWORD kTagLinuxCharacterDevice = 0x80000025;
constexpr DWORD kTagLinuxBlockDevice = 0x80000026;

// The handle lives in an intptr_t; INVALID_HANDLE_VALUE is -1, the class's kClosed.
HANDLE AsHandle(intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

intptr_t AsValue(HANDLE file) {
  return reinterpret_cast<intptr_t>(file);
}

int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    default:
      return EIO;
  }
}

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// "\\.\", "\\?\" and "\??\" (with either separator) reach devices and volumes directly.
bool InDeviceNamespace(std::string_view path) {
  return path.size() >= 4 && IsSeparator(path[0]) && (IsSeparator(path[1]) || path[1] == '?') &&
         (path[2] == '.' || path[2] == '?') && IsSeparator(path[3]);
}

// The base name of a path, also after a drive letter without a separator ("C:NUL").
std::string_view BaseName(std::string_view path) {
  const size_t cut = path.find_last_of("/\\");
  if (cut != std::string_view::npos) return path.substr(cut + 1);
  return path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
}

// Windows ignores an extension, a stream name and trailing spaces after a device name.
std::string UpperCaseStem(std::string_view base) {
  std::string stem(base.substr(0, base.find_first_of(".:")));
  while (!stem.empty() && stem.back() == ' ')
    stem.pop_back();
  for (char& c : stem) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return stem;
}

// COM and LPT take a digit, or a superscript 1, 2 or 3 (0xB9, 0xB2, 0xB3 in Windows-1252).
bool IsPortDigit(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '0' && byte <= '9') || byte == 0xB9 || byte == 0xB2 || byte == 0xB3;
}

bool IsDeviceStem(std::string_view stem) {
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
      stem == "CONOUT$") {
    return true;
  }
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         IsPortDigit(stem[3]);
}

bool IsSpecialFileTag(DWORD tag) {
  return tag == IO_REPARSE_TAG_AF_UNIX || tag == kTagLinuxFifo || tag == kTagLinuxCharacterDevice ||
         tag == kTagLinuxBlockDevice;
}

// The reparse tag of the entry itself; 0 when it cannot be read.
DWORD ReparseTagOf(const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) return 0;
  WIN32_FIND_DATAA entry;
  HANDLE found = FindFirstFileA(path.c_str(), &entry);
  if (found == INVALID_HANDLE_VALUE) return 0;
  FindClose(found);
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? entry.dwReserved0 : 0;
}

NameKind KindOfReparsePoint(const std::string& path, DWORD attributes) {
  const DWORD tag = ReparseTagOf(path);
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (IsSpecialFileTag(tag)) return NameKind::kOther;
  if (tag == IO_REPARSE_TAG_SYMLINK && !folder) return NameKind::kFileLink;
  // One whose tag cannot be read may be a link too.
  if (tag == 0 || IsReparseTagNameSurrogate(tag)) return NameKind::kOtherLink;
  // Any other tag keeps a file's data elsewhere (deduplicated, compressed, in the cloud).
  return folder || (attributes & FILE_ATTRIBUTE_DEVICE) ? NameKind::kOther : NameKind::kPlainFile;
}

// Opens without sharing; the handle is kept only when it is a plain file.
HANDLE OpenPlainFile(const std::string& path, DWORD access, DWORD disposition, DWORD flags) {
  HANDLE file = CreateFileA(path.c_str(), access, 0, nullptr, disposition, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE || win32::IsOpenPlainFile(file)) return file;
  CloseHandle(file);
  SetLastError(ERROR_INVALID_FUNCTION);
  return INVALID_HANDLE_VALUE;
}

bool MovePointer(HANDLE file, int64_t distance, DWORD method, int64_t& position) {
  LARGE_INTEGER move;
  move.QuadPart = distance;
  LARGE_INTEGER now;
  if (!SetFilePointerEx(file, move, &now, method)) return false;
  position = now.QuadPart;
  return true;
}

}  // namespace

namespace win32 {

bool NamesADevice(std::string_view path) {
  return InDeviceNamespace(path) || IsDeviceStem(UpperCaseStem(BaseName(path)));
}

NameKind KindOfName(const std::string& path) {
  if (NamesADevice(path)) return NameKind::kOther;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return missing ? NameKind::kNothing : NameKind::kOther;
  }
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return KindOfReparsePoint(path, attributes);
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return NameKind::kOther;
  return NameKind::kPlainFile;
}

bool IsOpenPlainFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
         !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

bool WriteAllTo(HANDLE file, const void* bytes, size_t count) {
  const auto* in = static_cast<const char*>(bytes);
  while (count > 0) {
    const auto piece = static_cast<DWORD>(std::min(count, kChunk));
    DWORD written = 0;
    if (!WriteFile(file, in, piece, &written, nullptr) || written == 0) return false;
    in += written;
    count -= written;
  }
  return true;
}

}  // namespace win32

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, kClosed)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, kClosed);
  }
  return *this;
}

bool File::OpenRead(const std::string& path) {
  Close();
  if (!win32::NamesADevice(path))
    handle_ = AsValue(OpenPlainFile(path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL));
  return IsOpen();
}

bool File::CreateExclusive(const std::string& path) {
  Close();
  // A device answers to its name in every folder: the name is taken.
  if (win32::NamesADevice(path)) {
    errno = EEXIST;
    return false;
  }
  // FILE_FLAG_OPEN_REPARSE_POINT: a link under this name takes the name too; it is never
  // followed to create its target.
  handle_ = AsValue(OpenPlainFile(path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
  if (!IsOpen()) errno = ErrnoOf(GetLastError());
  return IsOpen();
}

bool File::CreateAnew(const std::string& path) {
  Close();
  if (!MayReplaceFile(path)) return false;
  DeleteFileA(path.c_str());
  return CreateExclusive(path);
}

void File::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = kClosed;
}

int64_t File::Size() const {
  LARGE_INTEGER size;
  return IsOpen() && GetFileSizeEx(AsHandle(handle_), &size) ? size.QuadPart : -1;
}

int64_t File::Position() const {
  int64_t position = -1;
  return IsOpen() && MovePointer(AsHandle(handle_), 0, FILE_CURRENT, position) ? position : -1;
}

bool File::Seek(int64_t offset) {
  int64_t position = -1;
  return IsOpen() && offset >= 0 && MovePointer(AsHandle(handle_), offset, FILE_BEGIN, position) &&
         position == offset;
}

bool File::SeekBy(int64_t delta) {
  int64_t position = -1;
  return IsOpen() && MovePointer(AsHandle(handle_), delta, FILE_CURRENT, position);
}

int64_t File::Read(void* buffer, size_t count) {
  if (!IsOpen()) return -1;
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    const auto piece = static_cast<DWORD>(std::min(count - done, kChunk));
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), out + done, piece, &got, nullptr))
      return done > 0 ? static_cast<int64_t>(done) : -1;
    if (got == 0) break;
    done += got;
  }
  return static_cast<int64_t>(done);
}

bool File::WriteAll(const void* bytes, size_t count) {
  return IsOpen() && win32::WriteAllTo(AsHandle(handle_), bytes, count);
}

bool File::Sync() {
  return IsOpen() && FlushFileBuffers(AsHandle(handle_));
}

bool RemoveFile(const std::string& path) {
  // DeleteFileA on a symbolic link deletes the link, never its target.
  const NameKind kind = win32::KindOfName(path);
  return (kind == NameKind::kPlainFile || kind == NameKind::kFileLink) && DeleteFileA(path.c_str());
}

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '/') c = '\\';
  }
  return native;
}

bool MayReplaceFile(const std::string& path) {
  switch (win32::KindOfName(path)) {
    case NameKind::kNothing:
      return true;
    case NameKind::kPlainFile:
      // A read-only file is not ours to overwrite (nor could it be deleted).
      return !(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    default:
      return false;
  }
}

}  // namespace zentoir::os
