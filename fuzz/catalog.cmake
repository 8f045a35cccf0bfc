# Arbitrary bytes as one catalog file, through the loader's parsing.
add_executable(fuzz_catalog catalog_file.cpp)
target_link_libraries(fuzz_catalog PRIVATE vexlune_catalog)
target_link_options(fuzz_catalog PRIVATE -fsanitize=fuzzer)
