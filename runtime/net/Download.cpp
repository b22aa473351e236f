#include "net/Download.h"

#include <curl/curl.h>

#include <cstdint>
#include <mutex>

#include "net/DownloadSettings.h"
#include "net/DownloadTarget.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr const char* kUserAgent = "Zentoir game";

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string UrlFor(const std::string& host, long port, bool tls) {
  const bool literalV6 = host.find(':') != std::string::npos;
  std::string url = tls ? "https://" : "http://";
  url += literalV6 ? "[" + host + "]" : host;
  return url + ":" + std::to_string(port) + "/";
}

// Called once the connection stands, before the request goes out.
int OnConnected(void* target, char*, char*, int, int) {
  static_cast<DownloadTarget*>(target)->Create();
  return CURL_PREREQFUNC_OK;
}

size_t OnBodyBytes(char* bytes, size_t size, size_t count, void* target) {
  static_cast<DownloadTarget*>(target)->Body(bytes, size * count);
  return size * count;
}

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
  void Add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
};

// The request as the command sends it: HTTP/1.0, the path unchanged as the target,
// "Host:" without a space, "Accept: */*" and the runtime's user agent. Redirects are
// not followed; a proxy from the environment is used through a tunnel, so the request
// reaches the server as it is.
void SetRequest(CURL* curl, const std::string& url, const std::string& path, HeaderList& headers,
                const std::string& host) {
  const DownloadSettings& settings = DownloadSettingsInUse();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, path.c_str());
  curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  headers.Add("Host:" + host);
  headers.Add("Accept: */*");
  headers.Add(std::string("User-Agent: ") + kUserAgent);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
  curl_easy_setopt(curl, CURLOPT_HTTPPROXYTUNNEL, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, settings.connectTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, settings.stallTimeoutS);
  if (!settings.caFile.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, settings.caFile.c_str());
}

void SetReceivers(CURL* curl, DownloadTarget& target) {
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, OnConnected);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, &target);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBodyBytes);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &target);
}

}  // namespace

DownloadSettings& DownloadSettingsInUse() {
  static DownloadSettings settings;
  return settings;
}

double DownloadFile(const DynString& host, const DynString& path, double port,
                    const DynString& file) {
  InitCurlOnce();
  CURL* curl = curl_easy_init();
  if (!curl) return 0;
  const auto portNumber = static_cast<long>(static_cast<uint16_t>(TruncateToInt64(port)));
  const std::string hostText(host.View());
  const bool tls = portNumber == DownloadSettingsInUse().tlsPort;
  DownloadTarget target{std::string(file.View())};
  HeaderList headers;
  SetRequest(curl, UrlFor(hostText, portNumber, tls), std::string(path.View()), headers, hostText);
  SetReceivers(curl, target);
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  return result == CURLE_OK && target.Stored() ? 1 : 0;
}

}  // namespace zentoir
