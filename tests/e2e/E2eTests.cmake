# End-to-end tests: the real program under Wine on a private Xvfb, driven
# with xdotool. Each script starts and stops its own X server; they share the
# build's Wine prefix, so they run one at a time.
find_program(QY_XVFB Xvfb)
find_program(QY_XDOTOOL xdotool)
find_program(QY_IMPORT import)
if(NOT QY_XVFB OR NOT QY_XDOTOOL OR NOT QY_IMPORT)
  message(STATUS "e2e tests skipped: Xvfb, xdotool or imagemagick missing")
  return()
endif()

add_executable(qy_main_view_check ${CMAKE_CURRENT_LIST_DIR}/main_view_check.cpp)
target_include_directories(qy_main_view_check PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(qy_main_view_check PRIVATE -Wl,--start-group ${QY_CORE_LIBS} qy_platform_win32 -Wl,--end-group)
add_test(NAME e2e_main_view
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/main_view.sh $<TARGET_FILE:qingyu_share> $<TARGET_FILE:qy_main_view_check>)
set_tests_properties(e2e_main_view PROPERTIES RESOURCE_LOCK wine_prefix TIMEOUT 90 LABELS e2e)

foreach(script start_scan_esc open_computer reload_menu_company shares_window)
  add_test(NAME e2e_${script}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/${script}.sh $<TARGET_FILE:qingyu_share>)
  set_tests_properties(e2e_${script} PROPERTIES RESOURCE_LOCK wine_prefix TIMEOUT 90 LABELS e2e)
endforeach()
