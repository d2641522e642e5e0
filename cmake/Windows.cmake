# Windows build (mingw-w64): the real platform, the exe, and the Win32 tests
# that ctest runs under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
add_library(qy_platform_win32 STATIC ${win32_sources})
target_include_directories(qy_platform_win32 PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qy_platform_win32 PUBLIC qy_text
  comctl32 shell32 ole32 mpr ws2_32 crypt32 user32 gdi32 advapi32 kernel32)

set(QY_EXE_NAME qingyu-share CACHE STRING "Name of the program file")
add_executable(qingyu_share WIN32 src/main.cpp res/qingyu-share.rc)
set_target_properties(qingyu_share PROPERTIES OUTPUT_NAME ${QY_EXE_NAME})
# windres does not track the files the .rc pulls in.
set_source_files_properties(res/qingyu-share.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/qingyu-share.ico;${CMAKE_SOURCE_DIR}/res/qingyu-share.manifest;${CMAKE_SOURCE_DIR}/res/version.h")
target_link_libraries(qingyu_share PRIVATE -Wl,--start-group ${QY_CORE_LIBS} qy_platform_win32 -Wl,--end-group)

if(QY_TESTS)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
  enable_testing()
  include(${CMAKE_SOURCE_DIR}/tests/win32/Win32Tests.cmake OPTIONAL)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/E2eTests.cmake OPTIONAL)
  include(${CMAKE_SOURCE_DIR}/bench/Bench.cmake OPTIONAL)
endif()
