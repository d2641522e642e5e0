# Each subsystem folder becomes a static library of its portable sources, so a
# subsystem and its tests build without the others.
function(qy_portable_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  if(NOT name STREQUAL "qy_text")
    target_link_libraries(${name} PUBLIC qy_text)
  endif()
endfunction()

set(QY_CORE_LIBS qy_app qy_neighbourhood qy_shares qy_remote qy_settings qy_program_texts qy_text)

# A test executable per folder of tests/, linked with the given libraries and
# the platform (so a broken subsystem does not stop the others' tests).
function(qy_test_folder folder platform_lib libs)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  # Link groups: the core and the platform call each other.
  target_link_libraries(${target} PRIVATE -Wl,--start-group ${libs} qy_program_texts qy_text ${platform_lib} -Wl,--end-group
                        GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 ${ARGN})
endfunction()
