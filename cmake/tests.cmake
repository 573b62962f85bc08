# Test executables. Natively: the core's unit tests. Cross-built: the Win32 layer's unit tests and
# the end-to-end tests, which run under the Wine emulator set by the toolchain file.
include(GoogleTest)

# Collects the .cpp files under the given folders of tests/ into OUT.
function(tarnwick_test_sources OUT)
  set(patterns)
  foreach(folder IN LISTS ARGN)
    list(APPEND patterns ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${patterns})
  set(${OUT} ${sources} PARENT_SCOPE)
endfunction()

if(NOT WIN32)
  find_package(GTest REQUIRED)

  # Fakes alone are no test; the target appears with the first native test file.
  tarnwick_test_sources(TARNWICK_NATIVE_TESTS native)
  if(TARNWICK_NATIVE_TESTS)
    tarnwick_test_sources(TARNWICK_FAKES fakes)
    add_executable(tarnwick_tests ${TARNWICK_NATIVE_TESTS} ${TARNWICK_FAKES})
    target_include_directories(tarnwick_tests PRIVATE
      ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(tarnwick_tests PRIVATE tarnwick_core GTest::gtest_main)
    gtest_discover_tests(tarnwick_tests DISCOVERY_TIMEOUT 30)
  endif()
  return()
endif()

# GoogleTest from Debian's source package, cross-compiled with the rest; gmock is not used.
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Test executables sit beside Tarnwick.exe, where the end-to-end harness looks for it.
# Discovery runs when ctest starts (through the emulator), so building never starts Wine.
function(tarnwick_wine_test TARGET)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${TARGET} ${ARG_SOURCES})
  target_include_directories(${TARGET} PRIVATE
    ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${TARGET} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  target_link_options(${TARGET} PRIVATE ${TARNWICK_STATIC_RUNTIME})
  set_target_properties(${TARGET} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)
  set(properties TIMEOUT 60)
  if(ARG_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${TARGET}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${properties})
endfunction()

# Two icons of distinct colours, in the launch probe and in the Win32 tests: something to
# extract icons from.
set(TARNWICK_PROBE_ICONS ${CMAKE_SOURCE_DIR}/tests/probe/ProbeIcons.rc)
set_property(SOURCE ${TARNWICK_PROBE_ICONS} APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/probe/probe-first.ico
  ${CMAKE_SOURCE_DIR}/tests/probe/probe-second.ico)

tarnwick_test_sources(TARNWICK_WIN32_TESTS win32)
if(TARNWICK_WIN32_TESTS)
  tarnwick_wine_test(tarnwick_win32_tests
    SOURCES ${TARNWICK_WIN32_TESTS} ${CMAKE_SOURCE_DIR}/res/Glyphs.rc ${TARNWICK_PROBE_ICONS}
    LIBRARIES tarnwick_win32)
  # windres finds glyphs.bmp and the probe's icons through the include path.
  target_include_directories(tarnwick_win32_tests PRIVATE
    ${CMAKE_SOURCE_DIR}/res ${CMAKE_SOURCE_DIR}/tests/probe)
endif()

# End-to-end tests share one display and one wineserver (cursor, hotkeys, tray), so they never
# run in parallel with anything.
tarnwick_test_sources(TARNWICK_E2E_TESTS e2e)
if(TARNWICK_E2E_TESTS)
  # A stand-in for the programs items open: it writes how it was started to a file beside
  # itself. The end-to-end tests copy it from beside themselves.
  add_executable(tarnwick_launch_probe WIN32
    ${CMAKE_SOURCE_DIR}/tests/probe/LaunchProbe.cpp ${TARNWICK_PROBE_ICONS})
  target_include_directories(tarnwick_launch_probe PRIVATE ${CMAKE_SOURCE_DIR}/tests/probe)
  target_compile_definitions(tarnwick_launch_probe PRIVATE UNICODE _UNICODE)
  target_link_libraries(tarnwick_launch_probe PRIVATE tarnwick_warnings)
  target_link_options(tarnwick_launch_probe PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
  set_target_properties(tarnwick_launch_probe PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)

  tarnwick_wine_test(tarnwick_e2e SERIAL
    SOURCES ${TARNWICK_E2E_TESTS}
    LIBRARIES tarnwick_core user32 gdi32 ole32 uuid)
  add_dependencies(tarnwick_e2e Tarnwick tarnwick_launch_probe)
  # The translations that ship with the program, beside the tests that use them.
  file(GLOB TARNWICK_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/languages/*.ini)
  foreach(language IN LISTS TARNWICK_LANGUAGE_FILES)
    get_filename_component(name ${language} NAME)
    configure_file(${language} ${CMAKE_BINARY_DIR}/languages/${name} COPYONLY)
  endforeach()
endif()
