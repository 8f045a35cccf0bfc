# libFuzzer targets for the app: the notice page comes from a blog anyone could edit.
add_executable(fuzz_notice_page ${CMAKE_CURRENT_LIST_DIR}/app_notice_page_fuzz.cpp)
target_link_libraries(fuzz_notice_page PRIVATE vexlune_app)
target_link_options(fuzz_notice_page PRIVATE -fsanitize=fuzzer)
