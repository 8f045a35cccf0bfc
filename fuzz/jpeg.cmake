# Arbitrary bytes as a poster, through the JPEG decoder.
add_executable(fuzz_jpeg jpeg_decode.cpp)
target_link_libraries(fuzz_jpeg PRIVATE vexlune_jpeg)
target_link_options(fuzz_jpeg PRIVATE -fsanitize=fuzzer)
