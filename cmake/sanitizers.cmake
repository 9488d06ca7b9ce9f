# -DVORNAXI_SANITIZE=ON builds everything with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any finding stops the program.
option(VORNAXI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# Both sanitizer builds compile with -O1 and line tables only (-g1), after the
# build type's flags: a report needs no more than file and line, and -O2 with
# full debug information takes more than twice as long to compile here.
if(VORNAXI_SANITIZE)
    add_compile_options(-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# -DVORNAXI_THREAD_SANITIZER=ON builds everything with ThreadSanitizer instead
# (it cannot be combined with AddressSanitizer): test.sh runs the tests whose
# threads it checks, those of the beeper and the printer.
option(VORNAXI_THREAD_SANITIZER "Build with ThreadSanitizer" OFF)
if(VORNAXI_THREAD_SANITIZER)
    if(VORNAXI_SANITIZE)
        message(FATAL_ERROR "VORNAXI_THREAD_SANITIZER and VORNAXI_SANITIZE exclude each other")
    endif()
    add_compile_options(-O1 -g1 -fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
