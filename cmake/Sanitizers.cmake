# SYSORIENT_SANITIZE: build everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, any finding fatal. The end-to-end tests then skip
# their memory ceilings, which the sanitizers' own shadow memory would break.
option(SYSORIENT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(SYSORIENT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    add_compile_definitions(SYSORIENT_SANITIZED)
endif()

# SYSORIENT_CHECK_BOUNDS: trap any index past the end of a fixed array, as
# the developer build does; cheap enough for every test run.
option(SYSORIENT_CHECK_BOUNDS "Trap indexing past the end of a fixed array" OFF)

if(SYSORIENT_CHECK_BOUNDS)
    add_compile_options(-fsanitize=bounds -fno-sanitize-recover=bounds)
    add_link_options(-fsanitize=bounds)
endif()
