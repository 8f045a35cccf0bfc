# Text subsystem benchmarks: each figure is printed beside a baseline measured in the same run.
find_package(benchmark REQUIRED)
find_package(ICU REQUIRED COMPONENTS uc)
add_executable(bench_text ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp)
target_link_libraries(bench_text PRIVATE vexlune_text ICU::uc benchmark::benchmark)
