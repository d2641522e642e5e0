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

# The real scan in the real MainWindow over 10,240 computers of the test
# provider, beside the floor of plain list-view insertions, and the start-up
# to first paint beside a minimal window program's (see scan-bench.sh).
add_executable(scan_bench ${CMAKE_SOURCE_DIR}/bench/scan_bench.cpp ${CMAKE_SOURCE_DIR}/bench/scan_watch.cpp
               ${CMAKE_SOURCE_DIR}/bench/list_floor.cpp)
target_link_libraries(scan_bench PRIVATE -Wl,--start-group ${QY_CORE_LIBS} qy_bench_support -Wl,--end-group)
add_executable(first_paint_min ${CMAKE_SOURCE_DIR}/bench/first_paint_min.cpp)
target_link_libraries(first_paint_min PRIVATE qy_bench_support)
if(TARGET qytestnp)
  add_dependencies(scan_bench qytestnp)
endif()
foreach(run answering silent)
  add_test(NAME bench_scan_${run}
           COMMAND ${CMAKE_SOURCE_DIR}/bench/scan-bench.sh ${run} $<TARGET_FILE:scan_bench> $<TARGET_FILE:first_paint_min>
           CONFIGURATIONS bench)
  set_tests_properties(bench_scan_${run} PROPERTIES LABELS bench TIMEOUT 900 RESOURCE_LOCK wine_prefix)
endforeach()
