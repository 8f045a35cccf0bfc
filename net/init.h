// Process-wide set-up of the HTTP client.
#pragma once

namespace vexlune {

// Initialises libcurl for the whole process. The program calls it at start, before any thread
// exists; later calls (every request makes one) return at once. Returns false if libcurl could
// not be initialised, in which case every request yields its empty result.
bool init_http_client();

}  // namespace vexlune
