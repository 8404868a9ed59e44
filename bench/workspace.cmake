# The trace window under a million lines: append cost per line, memory, scroll and repaint.
# Start-up with 0, 100 and 2000 reopened documents.
if(ORVANT_GUI AND TARGET orvant_workspace)
  add_executable(trace_bench ${CMAKE_CURRENT_LIST_DIR}/trace_bench.cpp)
  target_link_libraries(trace_bench PRIVATE orvant_workspace benchmark::benchmark)
  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
  target_link_libraries(startup_bench PRIVATE orvant_workspace orvant_test_support
    benchmark::benchmark)
endif()
# The editor's live check on a 100,000-line script: a whole pass and the longest stall.
if(ORVANT_GUI AND TARGET orvant_workspace)
  add_executable(editor_bench ${CMAKE_CURRENT_LIST_DIR}/editor_bench.cpp)
  target_link_libraries(editor_bench PRIVATE orvant_workspace orvant_test_support Qt6::Test
    benchmark::benchmark)
endif()
