# Benchmarks of the configuration layer. Natively a Google Benchmark program (when the library
# is installed); cross-built, a program that compares our loader with one built on the Windows
# profile functions, run under Wine. Neither is a test: scripts/bench.sh runs them.

# The sample files, and the fakes their loads run over.
set(TARNWICK_BENCH_SAMPLE
  ${CMAKE_SOURCE_DIR}/bench/SampleConfiguration.cpp
  ${CMAKE_SOURCE_DIR}/tests/fakes/FakePlatform.cpp
  ${CMAKE_SOURCE_DIR}/tests/fakes/Cp1252CodePage.cpp)

if(NOT WIN32)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    message(STATUS "Google Benchmark not found: no native benchmark")
    return()
  endif()
  add_executable(tarnwick_bench
    ${CMAKE_SOURCE_DIR}/bench/ConfigurationBench.cpp
    ${TARNWICK_BENCH_SAMPLE})
  target_include_directories(tarnwick_bench PRIVATE ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(tarnwick_bench PRIVATE tarnwick_core benchmark::benchmark)

  # The menu window's hot paths: a trigger-monitor tick, placing and painting a large menu.
  add_executable(tarnwick_menu_bench
    ${CMAKE_SOURCE_DIR}/bench/MenuBench.cpp
    ${CMAKE_SOURCE_DIR}/tests/fakes/FakePlatform.cpp
    ${CMAKE_SOURCE_DIR}/tests/fakes/Cp1252CodePage.cpp)
  target_include_directories(tarnwick_menu_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(tarnwick_menu_bench PRIVATE tarnwick_core benchmark::benchmark)
  return()
endif()

add_executable(tarnwick_profile_bench
  ${CMAKE_SOURCE_DIR}/bench/win32/ProfileLoaderBench.cpp
  ${TARNWICK_BENCH_SAMPLE})
target_include_directories(tarnwick_profile_bench PRIVATE ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tarnwick_profile_bench PRIVATE tarnwick_win32)
target_link_options(tarnwick_profile_bench PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
set_target_properties(tarnwick_profile_bench PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)

# scripts/memory-bench.sh: the idle memory of the real Tarnwick.exe against a minimal window
# program, with configurations written by tarnwick_sample_file, and the save of a large
# configuration with its backup step through the Win32 file system.
add_executable(tarnwick_minimal_window WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/MinimalWindow.cpp)
target_link_libraries(tarnwick_minimal_window PRIVATE tarnwick_warnings user32)
target_compile_definitions(tarnwick_minimal_window PRIVATE UNICODE _UNICODE)
add_executable(tarnwick_sample_file ${CMAKE_SOURCE_DIR}/bench/win32/SampleFile.cpp ${TARNWICK_BENCH_SAMPLE})
add_executable(tarnwick_save_bench ${CMAKE_SOURCE_DIR}/bench/win32/SaveBench.cpp ${TARNWICK_BENCH_SAMPLE})
foreach(target tarnwick_minimal_window tarnwick_sample_file tarnwick_save_bench)
  target_link_options(${target} PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)
endforeach()
foreach(target tarnwick_sample_file tarnwick_save_bench)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE tarnwick_win32)
endforeach()
