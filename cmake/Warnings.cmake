# sysorient_warnings(target): the project's warning set, made errors when
# SYSORIENT_WARNINGS_AS_ERRORS is on (the developer presets turn it on).
option(SYSORIENT_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(sysorient_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(SYSORIENT_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
        if(SYSORIENT_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()
