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
