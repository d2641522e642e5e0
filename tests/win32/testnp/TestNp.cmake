# The test network provider DLL; tests/win32/setup-prefix.sh installs it in
# the test prefix. Never shipped.
add_library(qytestnp SHARED
  ${CMAKE_CURRENT_LIST_DIR}/testnp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_network.cpp
  ${CMAKE_CURRENT_LIST_DIR}/testnp.def)
set_target_properties(qytestnp PROPERTIES PREFIX "" OUTPUT_NAME qytestnp)
target_link_libraries(qytestnp PRIVATE advapi32)
set_target_properties(qytestnp PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(win32_tests qytestnp)
