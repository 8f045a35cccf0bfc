// Certificates for HTTPS tests on loopback.
#pragma once

#include <string>
#include <string_view>

namespace vexlune::testing {

// A key and a self-signed certificate, both PEM. Trust the certificate to accept the server.
struct TlsIdentity {
  std::string certificate_pem;
  std::string private_key_pem;
};

// A fresh P-256 identity whose certificate names the given IP address (and nothing else), valid
// from an hour ago for a day.
TlsIdentity make_tls_identity(std::string_view ip_address = "127.0.0.1");

}  // namespace vexlune::testing
