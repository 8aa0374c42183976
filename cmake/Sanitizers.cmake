# Sanitized and fuzzing builds (scripts/sanitize-and-fuzz.sh sets these).
option(LUMIVOX_SANITIZE "Build with the address and undefined-behaviour sanitizers" OFF)
# The thread sanitizer (the tsan preset) goes with no other: it builds the
# logic and only the unit tests of what runs on a worker thread.
option(LUMIVOX_SANITIZE_THREADS "Build with the thread sanitizer" OFF)
option(LUMIVOX_BUILD_FUZZERS "Build the libFuzzer targets in fuzz/ (clang only)" OFF)

if(LUMIVOX_SANITIZE)
  # Any report ends the program, so a test that meets one fails.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(LUMIVOX_SANITIZE_THREADS)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
if(LUMIVOX_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "the fuzz targets need clang (libFuzzer)")
  endif()
  # Coverage for the fuzzer in all the code it reaches.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
