# The trace window under a million lines: append cost per line, memory, scroll and repaint.
if(ORVANT_GUI AND TARGET orvant_workspace)
  add_executable(trace_bench ${CMAKE_CURRENT_LIST_DIR}/trace_bench.cpp)
  target_link_libraries(trace_bench PRIVATE orvant_workspace benchmark::benchmark)
endif()
