# libFuzzer targets, built only with clang and TARNWICK_FUZZ=ON (scripts/fuzz.sh does that in
# build/fuzz). The core is compiled with the same sanitizers and coverage, so that the fuzzer
# steers by its branches and every out-of-bounds access or undefined operation stops the run.

set(TARNWICK_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(tarnwick_core PRIVATE ${TARNWICK_SANITIZERS} -fsanitize=fuzzer-no-link)

foreach(target IN ITEMS Configuration Ini)
  set(name tarnwick_fuzz_${target})
  string(TOLOWER ${name} name)
  add_executable(${name}
    ${CMAKE_SOURCE_DIR}/fuzz/${target}Fuzz.cpp
    ${CMAKE_SOURCE_DIR}/tests/fakes/FakePlatform.cpp
    ${CMAKE_SOURCE_DIR}/tests/fakes/Cp1252CodePage.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${TARNWICK_SANITIZERS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${TARNWICK_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE tarnwick_core)
endforeach()
