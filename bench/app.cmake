# App benchmarks: a worker filling a list model while the UI thread reads it, beside a baseline.
add_executable(bench_app_list ${CMAKE_CURRENT_LIST_DIR}/app_list_bench.cpp)
target_link_libraries(bench_app_list PRIVATE vexlune_app Threads::Threads)
