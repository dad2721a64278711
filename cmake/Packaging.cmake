# CPack: a .deb from a Linux build, a .zip from the Windows build. Programs
# go into both stripped, and two builds of one commit give the same bytes.
set(CPACK_PACKAGE_NAME sysorient)
set(CPACK_PACKAGE_VENDOR "The sysorient developers")
set(CPACK_PACKAGE_CONTACT "sysorient developers <sysorient@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "bring a betting system into one orientation, one game per line")
set(CPACK_PACKAGE_DESCRIPTION
    "sysorient reads a betting system, a table of outcomes 0, 1 or 2 for up to
15 games across up to 20000 tip rows, from system.txt in either orientation
(one game per line, or one tip row per line) and writes it to genordet.txt,
always one game per line, with CR LF line ends.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTimestamp.cmake)
set(CPACK_SYSORIENT_SOURCE_DIR ${PROJECT_SOURCE_DIR})

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_SYSTEM_NAME win64)
    # The files at the top: Explorer's "Extract All" makes the folder.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # dpkg-shlibdeps works out the libraries the program needs.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
