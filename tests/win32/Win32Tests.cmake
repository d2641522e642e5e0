# Windows tests: one GoogleTest executable from tests/win32/*.cpp, run under
# Wine by ctest (CMAKE_CROSSCOMPILING_EMULATOR), plus small helper programs
# that the tests find beside it.
file(GLOB win32_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
if(NOT win32_test_sources)
  return()
endif()

function(qy_win32_helper name source)
  add_executable(${name} ${source})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE -Wl,--start-group ${QY_CORE_LIBS} qy_platform_win32 -Wl,--end-group)
endfunction()

# Stand-in for net.exe, mstsc.exe, reg.exe...: tests copy it under the name they need.
qy_win32_helper(qy_recorder ${CMAKE_SOURCE_DIR}/tests/win32/recorder/recorder.cpp)
qy_win32_helper(qy_print_system_name ${CMAKE_SOURCE_DIR}/tests/win32/recorder/print_system_name.cpp)

add_executable(win32_tests ${win32_test_sources})
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(win32_tests PRIVATE -Wl,--start-group ${QY_CORE_LIBS} qy_platform_win32 -Wl,--end-group
                      GTest::gtest_main GTest::gmock shlwapi)
add_dependencies(win32_tests qy_recorder qy_print_system_name)
# The helpers sit beside the test executable, where ProgramFolder() finds them.
set_target_properties(win32_tests qy_recorder qy_print_system_name PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# Every test shares the prefix's registry and temporary folder.
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK wine_prefix TIMEOUT 120)

# The test network provider that tests/win32/setup-prefix.sh installs.
include(${CMAKE_SOURCE_DIR}/tests/win32/testnp/TestNp.cmake)
