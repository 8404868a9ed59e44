# Send pacing against the controller simulator: 200 sends at each gap (0.05 s and 0.5 s).
#   build/bench/link_pacing_bench
add_executable(link_pacing_bench ${CMAKE_CURRENT_LIST_DIR}/link_pacing_bench.cpp)
target_link_libraries(link_pacing_bench PRIVATE orvant_link orvant_sim benchmark::benchmark)
