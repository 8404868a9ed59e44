# Program download pacing and event servicing, and the three-byte readback, against the
# controller simulator.
#   build/bench/transfer_bench
add_executable(transfer_bench ${CMAKE_CURRENT_LIST_DIR}/transfer_bench.cpp)
target_link_libraries(transfer_bench PRIVATE orvant_transfer_commands orvant_sim
  benchmark::benchmark)
