# Benchmarks: programs that print figures, run with `make bench` (ctest -C
# bench -L bench). Nothing here is asserted.
add_library(qy_bench_support STATIC
  ${CMAKE_SOURCE_DIR}/bench/process_figures.cpp
  ${CMAKE_SOURCE_DIR}/bench/ping_run.cpp)
target_include_directories(qy_bench_support PUBLIC ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qy_bench_support PUBLIC qy_platform_win32 psapi)

add_executable(ping_bench ${CMAKE_SOURCE_DIR}/bench/ping_bench.cpp)
target_link_libraries(ping_bench PRIVATE qy_bench_support)

foreach(kind unresolvable loopback)
  add_test(NAME bench_ping_${kind} COMMAND ping_bench ${kind} 10240 10000 CONFIGURATIONS bench)
  set_tests_properties(bench_ping_${kind} PROPERTIES LABELS bench TIMEOUT 300 RESOURCE_LOCK wine_prefix)
endforeach()
