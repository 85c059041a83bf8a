# Runs one case of the failure-injection program and checks its report to the
# byte, and its exit code.
#
#   cmake -DMODE=box|console -DCASE=word -DPROGRAM=path -DNM=nm -DOBJDUMP=objdump
#         [-DPROBE=box_probe.exe -DEMULATOR=wine] -P fault_case.cmake
#
# box: box_probe runs the Windows program, reads its message box and presses
# OK; the caption, text, icon and exit code are checked. console: the Linux
# program runs directly; its standard output must be the text and CR LF.
include(${CMAKE_CURRENT_LIST_DIR}/fault_cases.cmake)

set(entry "")
foreach(candidate IN LISTS BOOTSPAN_FAULT_CASES)
  if(candidate MATCHES "^${CASE}\\|")
    set(entry "${candidate}")
  endif()
endforeach()
if(entry STREQUAL "")
  message(FATAL_ERROR "no case '${CASE}'")
endif()
string(REGEX MATCH "^[^|]*\\|([0-9]+)\\|([a-z]+)\\|(.*)$" ignored "${entry}")
set(expected_exit "${CMAKE_MATCH_1}")
set(kind "${CMAKE_MATCH_2}")
set(expected "${CMAKE_MATCH_3}")

include(${CMAKE_CURRENT_LIST_DIR}/report_check.cmake)
