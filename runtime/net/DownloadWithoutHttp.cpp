// DownloadFile in a runtime built without an HTTP library (the browser's): every
// download fails, and the log says why once.
#include "base/ErrorLog.h"
#include "net/Download.h"
#include "net/DownloadSettings.h"

namespace zentoir {

DownloadSettings& DownloadSettingsInUse() {
  static DownloadSettings settings;
  return settings;
}

double DownloadFile(const DynString&, const DynString&, double, const DynString&) {
  static bool logged = false;
  if (!logged) AppendErrorLog("DownloadFile: this runtime was built without HTTP");
  logged = true;
  return 0;
}

}  // namespace zentoir
