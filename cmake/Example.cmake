# The convert-example target: runs the freshly built programs on the bundled
# example systems, one per orientation, each in a directory of its own under
# the build tree, and prints what sysorient wrote and sysorient-check's
# report. It builds both programs, so that the build can be installed.
set(_example_dir "${CMAKE_CURRENT_BINARY_DIR}/example")
set(_example_runner "${CMAKE_CROSSCOMPILING_EMULATOR}")

add_custom_target(convert-example
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_example_dir}/games ${_example_dir}/tip-rows
    COMMAND ${CMAKE_COMMAND} -E copy
        ${CMAKE_CURRENT_SOURCE_DIR}/examples/games.txt ${_example_dir}/games/system.txt
    COMMAND ${CMAKE_COMMAND} -E copy
        ${CMAKE_CURRENT_SOURCE_DIR}/examples/tip-rows.txt ${_example_dir}/tip-rows/system.txt
    COMMAND ${CMAKE_COMMAND} -E echo "examples/games.txt, one game per line: sysorient"
    COMMAND ${CMAKE_COMMAND} -E chdir ${_example_dir}/games ${_example_runner} $<TARGET_FILE:sysorient>
    COMMAND ${CMAKE_COMMAND} -E cat ${_example_dir}/games/genordet.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${_example_dir}/games ${_example_runner} $<TARGET_FILE:sysorient-check>
    COMMAND ${CMAKE_COMMAND} -E echo "examples/tip-rows.txt, one tip row per line: sysorient s"
    COMMAND ${CMAKE_COMMAND} -E chdir ${_example_dir}/tip-rows ${_example_runner} $<TARGET_FILE:sysorient> s
    COMMAND ${CMAKE_COMMAND} -E cat ${_example_dir}/tip-rows/genordet.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${_example_dir}/tip-rows ${_example_runner} $<TARGET_FILE:sysorient-check> s
    DEPENDS sysorient sysorient-check
    COMMENT "Converting the bundled examples"
    VERBATIM)
