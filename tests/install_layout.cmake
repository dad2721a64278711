# cmake -D BUILD_DIR=... -D PREFIX=... -P install_layout.cmake
# Installs the build into a fresh PREFIX and checks that the program and its
# manual page land where users look for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/sysorient bin/sysorient-check share/man/man1/sysorient.1.gz
             share/man/man1/sysorient-check.1.gz)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "${file} was not installed")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
