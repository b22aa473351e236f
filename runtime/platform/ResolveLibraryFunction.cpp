#include "platform/ResolveLibraryFunction.h"

#include <string>

#include "core/Shutdown.h"
#include "platform/DebugOut.h"
#include "platform/LibraryCache.h"

namespace zentoir {
namespace {

void ReleaseLibraries() {
  Libraries().ReleaseAll();
}

bool HasNulByte(const DynString& text) {
  return text.View().find('\0') != std::string_view::npos;
}

os::LibraryHandle LoadedLibrary(const DynString& library) {
  LibraryCache& cache = Libraries();
  if (os::LibraryHandle handle = cache.Find(library.View())) return handle;
  os::LibraryHandle handle = HasNulByte(library) ? nullptr : os::OpenLibrary(library.CStr());
  if (!handle) {
    DebugOut("Failed to load: " + library);
    return nullptr;
  }
  cache.Add(library.View(), handle);
  AddExitStep(ExitStage::Libraries, ReleaseLibraries);
  return handle;
}

}  // namespace

void ResolveLibraryFunction(const DynString& library, const DynString& function, void*& address) {
  address = nullptr;
  os::LibraryHandle handle = LoadedLibrary(library);
  if (handle && !HasNulByte(function)) address = os::LibrarySymbol(handle, function.CStr());
}

}  // namespace zentoir
