# Where cmake --install puts things. On Linux the usual tree: bin/sysorient
# and bin/sysorient-check, their manual pages in share/man/man1, and under share/doc the
# README, the changelog and the copyright file, as Debian packages have them.
# On Windows, as users unpack it: sysorient.exe, README.txt (written for
# Windows users), LIESMICH.txt (the same in German, UTF-8 with its mark, as
# Notepad reads it), LICENSE.txt and the two batch files side by side, text
# files with CR LF line ends.
include(GNUInstallDirs)

# The version is project()'s, and only there: the manual page, the Windows
# README and version resource, and the packages take it from there. The
# Debian changelog must name it in its newest entry.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog _newest LIMIT_COUNT 1)
if(NOT _newest MATCHES "^sysorient \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}")
endif()

if(WIN32)
    # The title's rule as long as the title, whatever the version.
    string(LENGTH "sysorient ${PROJECT_VERSION} for Windows" _title_length)
    string(REPEAT "=" ${_title_length} README_TITLE_RULE)
    configure_file(packaging/README-windows.txt README.txt @ONLY NEWLINE_STYLE CRLF)
    string(LENGTH "sysorient ${PROJECT_VERSION} unter Windows" _title_length)
    string(REPEAT "=" ${_title_length} LIESMICH_TITLE_RULE)
    configure_file(packaging/LIESMICH-windows.txt LIESMICH.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(examples/orient.bat orient.bat @ONLY NEWLINE_STYLE CRLF)
    configure_file(examples/orient-s.bat orient-s.bat @ONLY NEWLINE_STYLE CRLF)
    install(TARGETS sysorient sysorient-check RUNTIME DESTINATION .)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LIESMICH.txt
                  ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
                  ${CMAKE_CURRENT_BINARY_DIR}/orient.bat ${CMAKE_CURRENT_BINARY_DIR}/orient-s.bat
            DESTINATION .)
else()
    # Compressed at the highest level and without a time stamp, as Debian
    # wants manual pages and changelogs.
    configure_file(man/sysorient.1.in sysorient.1 @ONLY)
    configure_file(man/sysorient-check.1.in sysorient-check.1 @ONLY)
    foreach(_file ${CMAKE_CURRENT_BINARY_DIR}/sysorient.1 ${CMAKE_CURRENT_BINARY_DIR}/sysorient-check.1
                  ${PROJECT_SOURCE_DIR}/packaging/changelog)
        get_filename_component(_name ${_file} NAME)
        execute_process(COMMAND gzip -9nc ${_file}
                        OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${_name}.gz COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
    install(TARGETS sysorient sysorient-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/sysorient.1.gz
                  ${CMAKE_CURRENT_BINARY_DIR}/sysorient-check.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                  ${PROJECT_SOURCE_DIR}/packaging/copyright
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    if(SYSORIENT_DEBIAN_FLAGS)
        # What lintian reports of the hardened build and why it is no fault.
        install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
                DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME sysorient)
    endif()
endif()
