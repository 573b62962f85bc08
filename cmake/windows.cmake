# The Win32 layer and the Tarnwick executable. Included from the root list only when WIN32.

set(TARNWICK_WIN32_LIBRARIES
  user32 gdi32 shell32 comctl32 comdlg32 ole32 oleaut32 uuid advapi32)

# Everything the core leaves out (files under a win32/ folder) except the entry point.
file(GLOB_RECURSE TARNWICK_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER TARNWICK_WIN32_SOURCES INCLUDE REGEX "/win32/")
list(FILTER TARNWICK_WIN32_SOURCES EXCLUDE REGEX "/src/app/win32/WinMain\\.cpp$")

# A static library cannot be empty, so until the layer has sources the target only forwards
# its usage requirements; dependants link it the same way in both cases.
if(TARNWICK_WIN32_SOURCES)
  add_library(tarnwick_win32 STATIC ${TARNWICK_WIN32_SOURCES})
  set(TARNWICK_WIN32_SCOPE PUBLIC)
else()
  add_library(tarnwick_win32 INTERFACE)
  set(TARNWICK_WIN32_SCOPE INTERFACE)
endif()
target_link_libraries(tarnwick_win32 ${TARNWICK_WIN32_SCOPE}
  tarnwick_core ${TARNWICK_WIN32_LIBRARIES})
target_compile_definitions(tarnwick_win32 ${TARNWICK_WIN32_SCOPE}
  UNICODE _UNICODE NOMINMAX)

# -static pulls libgcc, libstdc++ and winpthread into the exe, so it runs without mingw DLLs.
set(TARNWICK_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_executable(Tarnwick WIN32
  ${CMAKE_SOURCE_DIR}/src/app/win32/WinMain.cpp
  ${CMAKE_SOURCE_DIR}/res/Tarnwick.rc)
target_link_libraries(Tarnwick PRIVATE tarnwick_win32)
target_link_options(Tarnwick PRIVATE -municode ${TARNWICK_STATIC_RUNTIME})
# The release executable carries no symbols: they are most of its size, and nobody debugs it.
target_link_options(Tarnwick PRIVATE $<$<CONFIG:Release>:-s>)
# windres finds the icon and the manifest through the include path.
target_include_directories(Tarnwick PRIVATE ${CMAKE_SOURCE_DIR}/res)
# The generator expression keeps multi-config generators from adding a per-config folder.
set_target_properties(Tarnwick PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY $<1:${CMAKE_BINARY_DIR}>)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/Tarnwick.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/Tarnwick.ico
  ${CMAKE_SOURCE_DIR}/res/Tarnwick.manifest
  ${CMAKE_SOURCE_DIR}/res/Glyphs.rc
  ${CMAKE_SOURCE_DIR}/res/glyphs.bmp)
# The Win32 tests load the glyph strip from their own executable, as the program does.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/Glyphs.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/glyphs.bmp)

# The root list declares TARNWICK_BENCH (on by default) only after including this file.
if(NOT DEFINED TARNWICK_BENCH OR TARNWICK_BENCH)
  include(${CMAKE_CURRENT_LIST_DIR}/windows-bench.cmake)
endif()
