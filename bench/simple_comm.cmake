# Notification throughput and latency of the exported serial library over pseudo-terminals.
add_executable(simple_comm_bench
  ${CMAKE_CURRENT_SOURCE_DIR}/simple_comm_bench.cpp
  ${CMAKE_SOURCE_DIR}/tests/simple_comm/pty_pair.cpp)
target_include_directories(simple_comm_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/simple_comm)
target_link_libraries(simple_comm_bench PRIVATE simple_comm benchmark::benchmark)
