# Runs the layering check over planted/, a small tree with one wrong include of every kind beside
# includes that are fine, and compares the reported lines with expected.txt: every wrong include is
# found, nothing fine is reported, and the check fails.
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_CURRENT_LIST_DIR}/planted -P
                        ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0)
  message(FATAL_ERROR "the layering check passed a tree with wrong includes:\n${err}")
endif()
string(REGEX MATCHALL "[^\n]+ -- [^\n]+" got "${err}")
list(SORT got)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/expected.txt expected)
list(SORT expected)
if(NOT got STREQUAL expected)
  string(REPLACE ";" "\n" g "${got}")
  string(REPLACE ";" "\n" e "${expected}")
  message(FATAL_ERROR "reported:\n${g}\n\nexpected:\n${e}")
endif()
if(NOT err MATCHES "11 include\\(s\\) break the layering[ \n]+\\(10 files checked\\)")
  message(FATAL_ERROR "summary line missing:\n${err}")
endif()
message("the layering check reports all 11 planted wrong includes and nothing else")
