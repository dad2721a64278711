# Where cmake --install puts things. On Linux the usual tree: bin/sysorient,
# the manual page share/man/man1/sysorient.1.gz, and under share/doc the
# README, the changelog and the copyright file, as Debian packages have them.
# On Windows, as users unpack it: sysorient.exe, README.txt, LICENSE.txt and
# the example batch file side by side, text files with CR LF line ends.
include(GNUInstallDirs)

if(WIN32)
    # README.txt is the README up to its part on building from source.
    file(READ ${PROJECT_SOURCE_DIR}/README.md _readme)
    string(FIND "${_readme}" "\n## Building and testing" _end)
    string(SUBSTRING "${_readme}" 0 ${_end} _readme)
    file(CONFIGURE OUTPUT README.txt CONTENT "${_readme}\n" NEWLINE_STYLE CRLF)
    configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(examples/orient.bat orient.bat @ONLY NEWLINE_STYLE CRLF)
    install(TARGETS sysorient RUNTIME DESTINATION .)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
                  ${CMAKE_CURRENT_BINARY_DIR}/orient.bat
            DESTINATION .)
else()
    # Compressed at the highest level and without a time stamp, as Debian
    # wants manual pages and changelogs.
    foreach(_file man/sysorient.1 packaging/changelog)
        get_filename_component(_name ${_file} NAME)
        execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${_file}
                        OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${_name}.gz COMMAND_ERROR_IS_FATAL ANY)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_file})
    endforeach()
    install(TARGETS sysorient RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/sysorient.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                  ${PROJECT_SOURCE_DIR}/packaging/copyright
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
