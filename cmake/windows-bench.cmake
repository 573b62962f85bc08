# Benchmarks of the menu window with the Win32 platform objects: start-up with and without icon
# sharing, and the pop-up and paint of a large menu. Run under Wine; see the README.
add_executable(tarnwick_menu_window_bench ${CMAKE_SOURCE_DIR}/bench/win32/MenuWindowBench.cpp)
target_include_directories(tarnwick_menu_window_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tarnwick_menu_window_bench PRIVATE tarnwick_win32 psapi)
target_link_options(tarnwick_menu_window_bench PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
set_target_properties(tarnwick_menu_window_bench PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)
# Its 20 programs are copies of Tarnwick.exe, taken from beside it.
add_dependencies(tarnwick_menu_window_bench Tarnwick)

# The icon picker over a file of 300 icons: the program itself, which carries them.
set(TARNWICK_PICKER_ICONS_RC ${CMAKE_BINARY_DIR}/PickerBenchIcons.rc)
set(picker_icons "")
foreach(number RANGE 1 300)
  string(APPEND picker_icons "${number} ICON \"probe-first.ico\"\n")
endforeach()
file(CONFIGURE OUTPUT ${TARNWICK_PICKER_ICONS_RC} CONTENT "${picker_icons}")
add_executable(tarnwick_picker_bench ${CMAKE_SOURCE_DIR}/bench/win32/PickerBench.cpp ${TARNWICK_PICKER_ICONS_RC})
target_include_directories(tarnwick_picker_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/probe)
target_link_libraries(tarnwick_picker_bench PRIVATE tarnwick_win32)
target_link_options(tarnwick_picker_bench PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
set_target_properties(tarnwick_picker_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)
