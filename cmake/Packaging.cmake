# CPack: a .deb from a Linux build, a .zip from the Windows build.
set(CPACK_PACKAGE_NAME sysorient)
set(CPACK_PACKAGE_VENDOR "The sysorient developers")
set(CPACK_PACKAGE_CONTACT "The sysorient developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Bring a betting system into one orientation, one game per line")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_SYSTEM_NAME win64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
endif()

include(CPack)
