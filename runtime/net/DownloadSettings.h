// The limits and trust of DownloadFile's transfers.
#pragma once

#include <string>

namespace zentoir {

struct DownloadSettings {
  long connectTimeoutMs = 15000;  // connecting, including the TLS handshake
  long stallTimeoutS = 30;        // seconds without a byte that end the transfer
  long tlsPort = 443;             // the port that means HTTPS
  std::string caFile;             // certificates to trust instead of the system's
};

// The settings in use; tests shorten the waits and trust their own certificate.
DownloadSettings& DownloadSettingsInUse();

}  // namespace zentoir
