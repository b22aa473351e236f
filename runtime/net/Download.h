// Fetching one file from a web server: an HTTP/1.0 GET whose response body (everything
// after the first empty line) is stored in a local file. Port 443 uses HTTPS.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Blocks until the transfer ends. 1 when the server ended it normally, else 0. The
// local file is deleted and created anew only once the server is connected; a partly
// written file stays.
double DownloadFile(const DynString& host, const DynString& path, double port,
                    const DynString& file);

}  // namespace zentoir
