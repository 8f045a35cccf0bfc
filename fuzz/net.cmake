# libFuzzer targets for the HTTP client: response header blocks and cookie jars come from servers.
foreach(name headers cookies)
  add_executable(fuzz_net_${name} ${CMAKE_CURRENT_LIST_DIR}/net_${name}_fuzz.cpp)
  target_link_libraries(fuzz_net_${name} PRIVATE vexlune_net)
  target_link_options(fuzz_net_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
