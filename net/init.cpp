#include "net/init.h"

#include <curl/curl.h>

#include <mutex>

namespace vexlune {

bool init_http_client() {
  // libcurl's global state is deliberately never cleaned up: workers that the program does not
  // join may still be inside a transfer while the process exits.
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_ALL) == CURLE_OK; });
  return ready;
}

}  // namespace vexlune
