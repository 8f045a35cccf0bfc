# HTTP client: whole-URL fetches from a loopback server beside a bare, reused libcurl handle.
find_package(CURL REQUIRED)
add_executable(bench_net_fetch ${CMAKE_CURRENT_LIST_DIR}/net_fetch.cpp)
target_link_libraries(bench_net_fetch PRIVATE vexlune_net vexlune_testing CURL::libcurl)
