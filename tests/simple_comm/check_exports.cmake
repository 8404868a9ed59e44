cmake_minimum_required(VERSION 3.25)
# Checks that a binary's dynamic symbol table defines the serial library's functions and no
# other function or object of its own.
#   cmake -DNM=<nm> -DBINARY=<file> -DEXPECTED=<name;name;...> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${BINARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${BINARY}")
endif()
# Symbols every linker adds to a dynamic symbol table; they are not the library's.
set(toolchain _IO_stdin_used _edata _end __bss_start _init _fini __data_start data_start
  __dso_handle _fp_hw)
string(REPLACE "\n" ";" lines "${listing}")
set(found)
foreach(line IN LISTS lines)
  # A versioned name (stderr@GLIBC_2.2.5) is another library's object copied in.
  if(line MATCHES "^[0-9a-fA-F]* *([A-Za-z]) ([^ @]+)$")
    set(type ${CMAKE_MATCH_1})
    set(name ${CMAKE_MATCH_2})
    # A program linked against C++ shared libraries also exports the weak and unique
    # template instantiations that those libraries bind to; they are the toolchain's.
    if(IGNORE_WEAK AND type MATCHES "^[WVwvu]$")
      continue()
    endif()
    if(NOT name IN_LIST toolchain AND NOT name MATCHES "^__(asan|ubsan|tsan|sanitizer|lsan)_")
      list(APPEND found ${name})
    endif()
  endif()
endforeach()
list(SORT found)
set(wanted ${EXPECTED})
list(SORT wanted)
if(NOT found STREQUAL wanted)
  message(FATAL_ERROR "${BINARY} exports\n  ${found}\ninstead of\n  ${wanted}")
endif()
message(STATUS "${BINARY}: exactly the serial library functions are exported")
