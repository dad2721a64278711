# The reader's vector paths. On x86-64: x86_path.cpp built once for SSE2
# (which every x86-64 processor has) and once more with -mavx2, the AVX2
# build chosen at run time where the processor has AVX2. On every other
# processor: generic_path.cpp, with the vector types of GCC and Clang. Builds
# with SYSORIENT_PORTABLE, and other compilers, read byte by byte only.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$" AND NOT MSVC)
    set(_x86_64 ON)
else()
    set(_x86_64 OFF)
endif()
option(SYSORIENT_PORTABLE "Read byte by byte, without the vector paths" OFF)
option(SYSORIENT_AVX2 "Add the AVX2 path, used where the processor has AVX2" ${_x86_64})

set(SYSORIENT_READ_PATHS "")
if(_x86_64 AND NOT SYSORIENT_PORTABLE)
    target_sources(sysorient_core PRIVATE src/x86_path.cpp src/tip_row_stage.cpp)
    list(APPEND SYSORIENT_READ_PATHS SYSORIENT_SSE2_PATH)
    if(SYSORIENT_AVX2)
        add_library(sysorient_avx2 OBJECT src/x86_path.cpp)
        target_include_directories(sysorient_avx2 PRIVATE src)
        target_compile_options(sysorient_avx2 PRIVATE -mavx2)
        if(MINGW)
            # 64-bit Windows keeps the stack 16-byte aligned only; GCC may
            # still spill 32-byte vectors with aligned moves. The assembler
            # makes every such move an unaligned one.
            target_compile_options(sysorient_avx2 PRIVATE -Wa,-muse-unaligned-vector-move)
        endif()
        sysorient_warnings(sysorient_avx2)
        target_sources(sysorient_core PRIVATE $<TARGET_OBJECTS:sysorient_avx2>)
        list(APPEND SYSORIENT_READ_PATHS SYSORIENT_AVX2_PATH)
    endif()
endif()
if(NOT _x86_64 AND NOT SYSORIENT_PORTABLE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_sources(sysorient_core PRIVATE src/generic_path.cpp)
    list(APPEND SYSORIENT_READ_PATHS SYSORIENT_GENERIC_PATH)
endif()
# The paths this build has, as definitions (SYSORIENT_SSE2_PATH and so on):
# for the choice of path, and for the tests that check it.
target_compile_definitions(sysorient_core PRIVATE ${SYSORIENT_READ_PATHS})
