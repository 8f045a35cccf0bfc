# Catalog loading, search and memory against a loopback server, beside bare libcurl and memmem.
find_package(CURL REQUIRED)
add_executable(bench_catalog catalog_load.cpp)
target_link_libraries(bench_catalog PRIVATE vexlune_catalog vexlune_headless vexlune_testing
                                            CURL::libcurl)
