# libFuzzer targets for the text subsystem: everything here reads bytes from outside.
foreach(name markers unescape codepage)
  add_executable(fuzz_${name} ${CMAKE_CURRENT_LIST_DIR}/text_${name}_fuzz.cpp)
  target_link_libraries(fuzz_${name} PRIVATE vexlune_text)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
