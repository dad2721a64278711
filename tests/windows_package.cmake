# cmake -D CPACK=... -D BUILD_DIR=... -D WORK=... -D VERSION=... -P windows_package.cmake
# Packs the Windows zip afresh into WORK and checks what Windows users get:
# the seven files at the top of the zip, text files with CR LF line ends,
# a README.txt and a LIESMICH.txt without Markdown or Linux commands, the
# German one in UTF-8 with its mark (which Notepad needs to show umlauts
# right), and the version in the program's version resource.
function(fail what)
    message(FATAL_ERROR "${what}")
endfunction()

file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G ZIP -B ${WORK} WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
file(GLOB zip ${WORK}/*.zip)
if(NOT result EQUAL 0 OR NOT zip)
    fail("cpack failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing)
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" listing "${listing}")
list(SORT listing)
if(NOT listing STREQUAL
   "LICENSE.txt;LIESMICH.txt;README.txt;orient-s.bat;orient.bat;sysorient-check.exe;sysorient.exe")
    fail("the zip holds ${listing}")
endif()

file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${WORK}/unpacked)
foreach(name README.txt LIESMICH.txt LICENSE.txt orient.bat orient-s.bat)
    # As hex bytes each ended by ';' (file(READ) as text would drop the CRs).
    file(READ ${WORK}/unpacked/${name} hex HEX)
    string(REGEX REPLACE "(..)" "\\1;" bytes "${hex}")
    if(bytes MATCHES "(^|;)(0[0-9a-ce-f]|[1-9a-f][0-9a-f]);0a;" OR bytes MATCHES "^0a;")
        fail("${name} has a line end that is not CR LF")
    endif()
endforeach()
foreach(name README.txt LIESMICH.txt)
    file(READ ${WORK}/unpacked/${name} readme)
    foreach(pattern "\\]\\(" "\\]\\[" "```" "sudo" "apt-get" "\n#" "@[A-Z_]+@")
        if(readme MATCHES "${pattern}")
            fail("${name} holds ${CMAKE_MATCH_0}")
        endif()
    endforeach()
endforeach()
file(READ ${WORK}/unpacked/LIESMICH.txt mark LIMIT 3 HEX)
if(NOT mark STREQUAL "efbbbf")
    fail("LIESMICH.txt does not begin with the UTF-8 mark")
endif()
foreach(exe sysorient.exe sysorient-check.exe)
    file(STRINGS ${WORK}/unpacked/${exe} resource ENCODING UTF-16LE REGEX "^${VERSION}$")
    if(NOT resource)
        fail("${exe} has no version resource of ${VERSION}")
    endif()
endforeach()
