# Command language: the line checker on a mix of lines, the program check of a long script.
add_executable(language_bench ${CMAKE_CURRENT_LIST_DIR}/language_bench.cpp)
target_link_libraries(language_bench PRIVATE orvant_language benchmark::benchmark_main)
