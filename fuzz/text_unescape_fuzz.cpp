// Escape decoding of board replies, whatever the server sends.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/unescape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string decoded = vexlune::unescape_text(input);
  // A decoded text is a text: it never holds a NUL byte.
  if (decoded.find('\0') != std::string::npos) std::abort();
  return 0;
}
