# Benchmarks: programs that print figures, run with `make bench` (ctest -C
# bench -L bench). Nothing here is asserted.
add_library(qy_bench_support STATIC
  ${CMAKE_SOURCE_DIR}/bench/process_figures.cpp
  ${CMAKE_SOURCE_DIR}/bench/ping_run.cpp)
target_include_directories(qy_bench_support PUBLIC ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qy_bench_support PUBLIC qy_platform_win32 psapi)

# ping_bench [loopback|unresolvable] [count] [timeout-ms]
add_executable(ping_bench ${CMAKE_SOURCE_DIR}/bench/ping_bench.cpp)
target_link_libraries(ping_bench PRIVATE qy_bench_support)

# Every computer answers: loopback addresses in the test prefix.
add_test(NAME bench_ping_answering COMMAND ping_bench loopback 10240 10000 CONFIGURATIONS bench)
# No computer answers: in a network namespace of its own (see the script).
add_test(NAME bench_ping_silent COMMAND ${CMAKE_SOURCE_DIR}/bench/ping-silent.sh $<TARGET_FILE:ping_bench> 10240 10000
         CONFIGURATIONS bench)
set_tests_properties(bench_ping_answering bench_ping_silent PROPERTIES LABELS bench TIMEOUT 600 RESOURCE_LOCK wine_prefix)
