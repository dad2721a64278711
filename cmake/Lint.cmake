# SYSORIENT_LINT: CTest tests that run clang-format (check only), clang-tidy
# (.clang-tidy) and cppcheck over our sources; any finding fails the test.
option(SYSORIENT_LINT "Add the format and static-analysis checks as tests" OFF)

if(SYSORIENT_LINT)
    find_program(SYSORIENT_CLANG_FORMAT NAMES clang-format-14 clang-format REQUIRED)
    find_program(SYSORIENT_CLANG_TIDY NAMES clang-tidy-14 clang-tidy REQUIRED)
    find_program(SYSORIENT_CPPCHECK cppcheck REQUIRED)

    file(GLOB_RECURSE _core_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp)
    file(GLOB_RECURSE _src_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.h)
    file(GLOB _all_sources CONFIGURE_DEPENDS
         ${_core_sources} ${_src_headers}
         ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
         ${PROJECT_SOURCE_DIR}/fuzz/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.cpp)

    add_test(NAME lint.clang-format
             COMMAND ${SYSORIENT_CLANG_FORMAT} --dry-run --Werror ${_all_sources})
    # x86_path.cpp is built once for SSE2 and once for AVX2: each is checked.
    add_test(NAME lint.clang-tidy
             COMMAND ${SYSORIENT_CLANG_TIDY} -p ${CMAKE_BINARY_DIR} --quiet --extra-arg=-mno-avx2
                     ${_core_sources})
    add_test(NAME lint.clang-tidy-avx2
             COMMAND ${SYSORIENT_CLANG_TIDY} -p ${CMAKE_BINARY_DIR} --quiet --extra-arg=-mavx2
                     ${PROJECT_SOURCE_DIR}/src/read/x86_path.cpp)
    # cppcheck checks the x86-64 configurations, the ones we ship. It does not
    # see struct members used only inside templates, hence the suppression.
    # The paths this build has, as ReaderPaths.cmake lists them.
    list(TRANSFORM SYSORIENT_READ_PATHS PREPEND -D OUTPUT_VARIABLE _path_definitions)
    foreach(_isa SSE2 AVX2)
        add_test(NAME lint.cppcheck-${_isa}
                 COMMAND ${SYSORIENT_CPPCHECK} --enable=warning,style,performance,portability
                         --std=c++17 --error-exitcode=1 --inline-suppr --quiet -D__SSE2__
                         -D__${_isa}__ ${_path_definitions}
                         --suppress=unusedStructMember
                         -I ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src)
    endforeach()
    set_tests_properties(lint.clang-format lint.clang-tidy lint.clang-tidy-avx2
                         lint.cppcheck-SSE2 lint.cppcheck-AVX2 PROPERTIES LABELS lint)
endif()
