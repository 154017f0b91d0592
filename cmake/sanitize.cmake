# AMPERA_SANITIZE builds everything (libraries, windows, program, scenario
# runner, unit tests) with AddressSanitizer and UndefinedBehaviorSanitizer;
# any report ends the process with a failure.
option(AMPERA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(AMPERA_SANITIZE)
  set(AMPERA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${AMPERA_SANITIZE_FLAGS})
  add_link_options(${AMPERA_SANITIZE_FLAGS})
endif()

# The libFuzzer targets, with clang only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz ${CMAKE_BINARY_DIR}/fuzz)
endif()
