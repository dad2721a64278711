# cmake -D NM=... -D OBJECT=... -D PATH_NAMESPACE=... -P path_symbols.cmake
# An object built for another instruction set (the AVX2 path, built with
# -mavx2) must define nothing outside its path's namespace. An inline
# function of a shared header that it used would be defined there too, and
# the linker could take that copy for every caller, running AVX2 code on a
# processor without it.
execute_process(COMMAND ${NM} -C --defined-only --extern-only ${OBJECT}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${OBJECT}")
endif()
string(REPLACE "\n" ";" symbols "${symbols}")
set(outside "")
foreach(symbol IN LISTS symbols)
    if(symbol AND NOT symbol MATCHES " sysorient::${PATH_NAMESPACE}::")
        string(APPEND outside "\n  ${symbol}")
    endif()
endforeach()
if(outside)
    message(FATAL_ERROR "${OBJECT} defines outside sysorient::${PATH_NAMESPACE}:${outside}")
endif()
