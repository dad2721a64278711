# GoogleTest for the tests, and sysorient_add_gtests(target) to register a
# test program's tests with CTest.
#
# A native build uses the installed GoogleTest (Debian's libgtest-dev) and
# discovers the tests by running the program. A cross build compiles
# GoogleTest from its sources (Debian's googletest) for the target and finds
# the tests by scanning the sources, so that nothing runs under the emulator
# before the test run has started it (see WineSession.cmake).
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
    set(SYSORIENT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${SYSORIENT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

function(sysorient_add_gtests target)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    if(CMAKE_CROSSCOMPILING)
        get_target_property(sources ${target} SOURCES)
        gtest_add_tests(TARGET ${target} SOURCES ${sources} TEST_LIST tests)
        set_tests_properties(${tests} PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
        if(SYSORIENT_TEST_FIXTURE)
            set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED ${SYSORIENT_TEST_FIXTURE})
        endif()
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                             PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    endif()
endfunction()
