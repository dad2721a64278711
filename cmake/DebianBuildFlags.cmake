# SYSORIENT_DEBIAN_FLAGS: build the program as Debian builds its packages,
# with the flags of dpkg-buildflags and every hardening feature on (fortified
# functions, stack protector, read-only relocations bound at start), and
# without the .comment section of compiler versions that Debian strips.
option(SYSORIENT_DEBIAN_FLAGS "Build with Debian's hardening flags (needs dpkg-dev)" OFF)

if(SYSORIENT_DEBIAN_FLAGS)
    find_program(SYSORIENT_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
        # From the source tree, so that its file-prefix map hides where it lies.
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${SYSORIENT_DPKG_BUILDFLAGS} --get ${_kind}
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE _debian_${_kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    # The build tree's path, which -g records, must not change the build ID
    # that the stripped program keeps.
    string(APPEND CMAKE_CXX_FLAGS " ${_debian_CPPFLAGS} ${_debian_CXXFLAGS}"
           " -ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${_debian_LDFLAGS}")
    foreach(_program sysorient sysorient-check)
        add_custom_command(TARGET ${_program} POST_BUILD
                           COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                                   $<TARGET_FILE:${_program}>
                           VERBATIM)
    endforeach()
endif()
