#pragma once
// The program as the catalog tests see it: an App on the headless backend with the catalogs
// installed, every endpoint pointed at one loopback server that the test fills.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/program.h"
#include "catalog/catalog.h"
#include "catalog/install.h"
#include "platform/headless/backend.h"
#include "platform/headless/input.h"
#include "testing/loopback_server.h"

namespace vexlune {

struct Movie {
  std::string name, link, type, hd_flag, poster_url, intro;  // UTF-8
};

// A record in file form, GBK, fields in the usual order.
inline std::string record(const Movie& m) {
  return gbk("电影名字：" + m.name + "|影片资源：" + m.link + "|类型：" + m.type + "|是否高清：" +
             m.hd_flag + "|影片介绍：" + m.intro + "|||||海报：" + m.poster_url + "|||||\r\n");
}

// A row as the list holds it, GBK, in column order.
inline std::vector<std::string> row_of(const Movie& m) {
  return {gbk(m.name), gbk(m.link), gbk(m.type), gbk(m.hd_flag), gbk(m.poster_url), gbk(m.intro)};
}

class CatalogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (app_) {
      EXPECT_TRUE(app_->wait_for_workers(20000)) << "a worker never ended";
    }
  }

  void serve(testing::Handler handler) {
    server_ = std::make_unique<testing::LoopbackServer>(std::move(handler));
    ASSERT_NE(server_->port(), 0);
  }
  void serve_files(std::map<std::string, std::string> files) {
    serve(testing::serve_files(std::move(files)));
  }

  // Starts the program against the server; its notice page fetch finds a 404 page there.
  App& start() {
    const std::string url = server_ ? server_->url() : "http://127.0.0.1:9";
    app_ = start_app(backend_, Endpoints{url, url, "post", url}, install_catalog);
    EXPECT_NE(app_, nullptr);
    return *app_;
  }

  App& app() { return *app_; }
  ui::Window& main() { return app_->main_window(); }
  ui::ListView& list(const Catalog& catalog) { return main().list(gbk(catalog.list)); }
  headless::HeadlessDesktop& desktop() { return backend_.script(); }

  // Opens the catalog's tab, as the user would, and waits until the load has ended.
  void load(const Catalog& catalog) {
    headless::select_page(main(), gbk("选择夹1"), catalog.page);
    ASSERT_TRUE(app_->wait_for_workers(20000));
  }

  std::vector<std::string> cells(const ui::ListView& view, int row) const {
    std::vector<std::string> out;
    for (int column = 0; column < view.column_count(); ++column)
      out.push_back(view.cell(row, column));
    return out;
  }

  // Targets requested so far that start with `prefix`, in order.
  std::vector<std::string> requested(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const testing::Request& request : server_->requests())
      if (request.target.starts_with(prefix)) out.push_back(request.target);
    return out;
  }

  std::unique_ptr<testing::LoopbackServer> server_;
  headless::HeadlessBackend backend_;
  std::shared_ptr<App> app_;
};

}  // namespace vexlune
