# App benchmarks: a worker filling a list model while the UI thread reads it, beside a baseline.
add_executable(app_list_bench ${CMAKE_CURRENT_LIST_DIR}/app_list_bench.cpp)
target_link_libraries(app_list_bench PRIVATE vexlune_app Threads::Threads)
