# SYSORIENT_FUZZ: a clang build for the libFuzzer target. Everything is
# compiled with coverage instrumentation and the sanitizers, so the fuzzer is
# guided through the core library and any finding is fatal.
option(SYSORIENT_FUZZ "Build the libFuzzer target (clang only)" OFF)

if(SYSORIENT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "SYSORIENT_FUZZ needs clang")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
