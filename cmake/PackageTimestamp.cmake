# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE). Every time stamp
# in a package is SOURCE_DATE_EPOCH, which CPack's archives and binutils'
# strip honour; unset, it becomes the date of the last commit, so that two
# builds of one commit give the same bytes whenever and wherever they run.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C ${CPACK_SYSORIENT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(_epoch MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${_epoch})
    else()
        message(WARNING "No SOURCE_DATE_EPOCH and no git history: the package carries today's date")
    endif()
endif()
