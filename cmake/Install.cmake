# Where cmake --install puts things. On Linux the usual tree: bin/sysorient,
# share/man/man1/sysorient.1 and the README and licence under share/doc. On
# Windows, as users unpack it: sysorient.exe, README.md and LICENSE side by side.
include(GNUInstallDirs)

set(_docs ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)
if(WIN32)
    install(TARGETS sysorient RUNTIME DESTINATION .)
    install(FILES ${_docs} DESTINATION .)
else()
    install(TARGETS sysorient RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES man/sysorient.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${_docs} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
