# The reader's vector paths, one line each below. On x86-64: x86_path.cpp
# built once for SSE2 (which every x86-64 processor has) and once more with
# -mavx2, the AVX2 build chosen at run time where the processor has AVX2. On
# every other processor: generic_path.cpp, with the vector types of GCC and
# Clang; on x86-64 too with SYSORIENT_GENERIC_ON_X86 (the developer presets
# turn it on, so that the tests, the sanitizers and the fuzzer run it on
# every commit; the packaged programs do not carry it). Builds with
# SYSORIENT_PORTABLE, and other compilers, read byte by byte only. Each path
# is one entry in the table of paths in src/read/system_reader.cpp.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$" AND NOT MSVC)
    set(_x86_64 ON)
else()
    set(_x86_64 OFF)
endif()
option(SYSORIENT_PORTABLE "Read byte by byte, without the vector paths" OFF)
option(SYSORIENT_AVX2 "Add the AVX2 path, used where the processor has AVX2" ${_x86_64})
option(SYSORIENT_GENERIC_ON_X86 "Add the vector-type path on x86-64 too, for the tests" OFF)
set(_vector_types OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT SYSORIENT_PORTABLE)
    set(_vector_types ON)
endif()

# sysorient_read_path(DEFINITION SOURCE [COMPILE-OPTION...]): adds a path's
# source to the core, in an object library of its own when it is compiled
# with options of its own, and DEFINITION to the paths this build has.
set(SYSORIENT_READ_PATHS "")
function(sysorient_read_path definition source)
    if(ARGN)
        string(TOLOWER ${definition} _object)
        add_library(${_object} OBJECT ${source})
        target_include_directories(${_object} PRIVATE src)
        target_compile_options(${_object} PRIVATE ${ARGN})
        sysorient_warnings(${_object})
        target_sources(sysorient_core PRIVATE $<TARGET_OBJECTS:${_object}>)
    else()
        target_sources(sysorient_core PRIVATE ${source})
    endif()
    set(SYSORIENT_READ_PATHS ${SYSORIENT_READ_PATHS} ${definition} PARENT_SCOPE)
endfunction()

if(_x86_64 AND NOT SYSORIENT_PORTABLE)
    sysorient_read_path(SYSORIENT_SSE2_PATH src/read/x86_path.cpp)
    if(SYSORIENT_AVX2)
        # 64-bit Windows keeps the stack 16-byte aligned only; GCC may still
        # spill 32-byte vectors with aligned moves. The assembler makes every
        # such move an unaligned one.
        sysorient_read_path(SYSORIENT_AVX2_PATH src/read/x86_path.cpp -mavx2
                            $<$<BOOL:${MINGW}>:-Wa,-muse-unaligned-vector-move>)
    endif()
endif()
if(_vector_types AND (NOT _x86_64 OR SYSORIENT_GENERIC_ON_X86))
    sysorient_read_path(SYSORIENT_GENERIC_PATH src/read/generic_path.cpp)
endif()
# The paths this build has, as definitions (SYSORIENT_SSE2_PATH and so on):
# for the table of paths, and for the tests that check the choice of path.
target_compile_definitions(sysorient_core PRIVATE ${SYSORIENT_READ_PATHS})
