# Builds for finding faults, each in a build folder of its own:
#   -DTORVANE_SANITIZE=ON  AddressSanitizer and UndefinedBehaviorSanitizer; the
#                          first report ends the program (scripts/ci-sanitizers.sh)
#   -DTORVANE_FUZZ=ON      the same sanitizers plus libFuzzer's coverage, for the
#                          fuzz targets in fuzz/; needs clang (scripts/ci-fuzz.sh)
option(TORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TORVANE_FUZZ "Build the libFuzzer targets (clang) with the sanitizers" OFF)

if(TORVANE_SANITIZE OR TORVANE_FUZZ)
    set(TORVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${TORVANE_SANITIZER_FLAGS})
    add_link_options(${TORVANE_SANITIZER_FLAGS})
endif()

if(TORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TORVANE_FUZZ needs clang: configure with CXX=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
