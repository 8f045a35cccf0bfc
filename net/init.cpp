#include "net/init.h"

#include <curl/curl.h>

#include <csignal>
#include <mutex>

namespace vexlune {

bool init_http_client() {
  // libcurl's global state is deliberately never cleaned up: workers that the program does not
  // join may still be inside a transfer while the process exits.
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] {
    // With CURLOPT_NOSIGNAL libcurl leaves SIGPIPE alone, and the TLS library writes to sockets
    // with plain write(): a server closing mid-transfer would otherwise end the process.
    std::signal(SIGPIPE, SIG_IGN);
    ready = curl_global_init(CURL_GLOBAL_ALL) == CURLE_OK;
  });
  return ready;
}

}  // namespace vexlune
