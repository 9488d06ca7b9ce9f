# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# check_translations(TS_FILE... SOURCES SOURCE...): the build fails while a
# shipped translation is behind the sources: lupdate brings copies of the .ts
# files up to date in the build tree, and any text left unfinished there (new
# in the sources, or never translated) or vanished (gone from the sources)
# stops the build, named with its file.
function(check_translations)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "SOURCES")
    set(ts_files ${arg_UNPARSED_ARGUMENTS})
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/translation-sources.lst)
    list(JOIN arg_SOURCES "\n" sources)
    file(GENERATE OUTPUT ${list_file} CONTENT "${sources}\n")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/translations-checked.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DLIST_FILE=${list_file}
                "-DTS_FILES=${ts_files}" -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/ts-check
                -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/checktranslations.cmake
        DEPENDS ${ts_files} ${arg_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/checktranslations.cmake
                Qt6::lupdate
        COMMENT "Checking that the translations are complete"
        VERBATIM)
    add_custom_target(check_translations ALL DEPENDS ${stamp})
endfunction()
