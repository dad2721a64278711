# Under Wine, every test's wine process would start Wine's helper processes
# itself; they inherit that process's output pipes and CTest then waits for
# them for seconds. Instead a CTest fixture boots the prefix once with all
# output sent to /dev/null and keeps a wineserver alive for the whole run;
# the fixture's cleanup stops it. Tests that run programs require the fixture
# through SYSORIENT_TEST_FIXTURE.
if(CMAKE_CROSSCOMPILING AND SYSORIENT_WINE)
    set(SYSORIENT_TEST_FIXTURE wine)
    get_filename_component(_wine_dir ${SYSORIENT_WINE} DIRECTORY)
    set(_session ${PROJECT_SOURCE_DIR}/tests/wine_session.sh)
    add_test(NAME wine.start COMMAND sh ${_session} start
             ${SYSORIENT_WINE} ${_wine_dir}/wineserver ${SYSORIENT_WINEPREFIX})
    add_test(NAME wine.stop COMMAND sh ${_session} stop
             ${SYSORIENT_WINE} ${_wine_dir}/wineserver ${SYSORIENT_WINEPREFIX})
    set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()
