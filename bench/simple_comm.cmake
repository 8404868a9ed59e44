# Notification throughput and latency of the exported serial library over pseudo-terminals.
add_executable(simple_comm_bench ${CMAKE_CURRENT_SOURCE_DIR}/simple_comm_bench.cpp)
target_link_libraries(simple_comm_bench PRIVATE simple_comm orvant_test_pty benchmark::benchmark)
