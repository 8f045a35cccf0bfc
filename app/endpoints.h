#pragma once
// Hosts the program talks to. Routines take them from the App, never from a global, so a test
// can point every request at a server on 127.0.0.1.

#include <string>

namespace vexlune {

struct Endpoints {
  std::string maker_url;    // catalogs, board, posters, film-request page: "http://host[:port]"
  std::string blog_url;     // the notice page's host
  std::string notice_post;  // the notice page's post identifier
  std::string search_url;   // the search engine

  // The values fixed when the program was built.
  static Endpoints compiled();
};

}  // namespace vexlune
