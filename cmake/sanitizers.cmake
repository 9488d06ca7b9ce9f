# -DVORNAXI_SANITIZE=ON builds everything with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any finding stops the program.
option(VORNAXI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VORNAXI_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
