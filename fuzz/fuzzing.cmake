# The fuzzing build (-DVELORINE_FUZZ=ON, see scripts/fuzz): clang's libFuzzer
# with AddressSanitizer and UndefinedBehaviorSanitizer. Every library gets the
# coverage instrumentation, not just the fuzzers, so that libFuzzer sees which
# paths an input opened inside the code under test.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT CMAKE_C_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VELORINE_FUZZ needs clang: CC=clang CXX=clang++ (scripts/fuzz sets it)")
endif()
add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
