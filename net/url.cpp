#include "net/url.h"

#include <charconv>

#include "text/markers.h"
#include "text/text.h"

namespace vexlune {
namespace {

constexpr std::size_t MAX_HOST_BYTES = 256;
constexpr std::size_t MAX_PATH_BYTES = 2048;
constexpr std::size_t MAX_CREDENTIAL_BYTES = 128;

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && to_lower(text.substr(0, prefix.size())) == prefix;
}

// A decimal port 1..65535; anything else is no port at all.
std::optional<int> parse_port(std::string_view digits) {
  int port = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
  if (error != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535)
    return std::nullopt;
  return port;
}

}  // namespace

std::string url_host(std::string_view url, bool keep_port) {
  std::string lower = to_lower(url);
  if (!lower.ends_with('/')) lower += '/';
  if (!lower.starts_with("https://") && find(lower, "http://") == -1) lower.insert(0, "http://");
  std::string_view scheme = lower.starts_with("https://") ? "https://" : "http://";
  std::string host = text_between(lower, scheme, "/", 0, true);
  if (!keep_port) host = host.substr(0, host.find(':'));
  return host;
}

int url_port(std::string_view url) {
  std::string host = url_host(url, true);
  std::size_t colon = host.rfind(':');
  if (colon == std::string::npos) return starts_with_ignoring_case(url, "https") ? 443 : 80;
  return to_int(std::string_view(host).substr(colon + 1));
}

std::string url_path(std::string_view url) {
  std::string host = url_host(url, false);
  if (host.empty()) return "/";
  // The host is looked for behind the scheme, so a host such as "t" is not found inside "http".
  std::size_t scheme_end = url.find("://");
  int from = scheme_end == std::string_view::npos ? 1 : static_cast<int>(scheme_end) + 4;
  int at = find(url, host, from, true);
  if (at == -1) return "/";
  int slash = find(url, "/", at);
  if (slash == -1) return "/";
  return std::string(url.substr(static_cast<std::size_t>(slash) - 1));
}

std::string header_value(std::string_view line) {
  std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return "";
  return trim(line.substr(colon + 1));
}

std::optional<UrlParts> split_url(std::string_view url) {
  UrlParts parts;
  std::string_view rest;
  if (starts_with_ignoring_case(url, "http://")) {
    rest = url.substr(7);
  } else if (starts_with_ignoring_case(url, "https://")) {
    parts.secure = true;
    rest = url.substr(8);
  } else {
    return std::nullopt;
  }
  std::size_t authority_end = rest.find_first_of("/?");
  std::string_view authority = rest.substr(0, authority_end);
  std::string_view path = authority_end == std::string_view::npos ? "" : rest.substr(authority_end);

  std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    std::string_view credentials = authority.substr(0, at);
    authority.remove_prefix(at + 1);
    std::size_t colon = credentials.find(':');
    parts.user = std::string(credentials.substr(0, colon));
    if (colon != std::string_view::npos)
      parts.password = std::string(credentials.substr(colon + 1));
  }

  std::string_view host = authority;
  std::string_view port;
  if (host.starts_with('[')) {  // an IPv6 literal keeps its colons
    std::size_t close = host.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    port = host.substr(close + 1);
    host = host.substr(0, close + 1);
    if (!port.empty() && !port.starts_with(':')) return std::nullopt;
    if (!port.empty()) port.remove_prefix(1);
  } else if (std::size_t colon = host.rfind(':'); colon != std::string_view::npos) {
    port = host.substr(colon + 1);
    host = host.substr(0, colon);
  }
  parts.host = std::string(host);
  if (port.empty()) {
    parts.port = parts.secure ? 443 : 80;
  } else if (auto number = parse_port(port)) {
    parts.port = *number;
  } else {
    return std::nullopt;
  }

  parts.path = path.starts_with('/') ? std::string(path) : concat("/", path);
  if (parts.host.empty() || parts.host.size() > MAX_HOST_BYTES ||
      parts.path.size() > MAX_PATH_BYTES || parts.user.size() > MAX_CREDENTIAL_BYTES ||
      parts.password.size() > MAX_CREDENTIAL_BYTES)
    return std::nullopt;
  return parts;
}

std::string escape_request_target(std::string_view path) {
  static constexpr char HEX[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (unsigned char byte : path) {
    if (byte <= 0x20 || byte >= 0x7F) {
      out += '%';
      out += HEX[byte >> 4];
      out += HEX[byte & 15];
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

}  // namespace vexlune
