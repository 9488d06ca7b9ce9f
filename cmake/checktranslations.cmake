# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# cmake -DLUPDATE=... -DLIST_FILE=... -DTS_FILES=a.ts;b.ts -DWORK_DIR=... -DSTAMP=...
#       -P checktranslations.cmake
# See translations.cmake. The shipped .ts files are never changed.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY_FILE ${ts} ${WORK_DIR}/${name})
    list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -locations none @${LIST_FILE} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
# lupdate warns, and goes on, about a tr() it cannot place in a context.
if(NOT status EQUAL 0 OR out MATCHES "[Ww]arning|[Ee]rror")
    message(FATAL_ERROR "lupdate failed (${status}):\n${out}")
endif()

set(problems "")
foreach(copy IN LISTS copies)
    get_filename_component(name ${copy} NAME)
    file(READ ${copy} content)
    # One message to an item: the text between <message> and </message>.
    string(REPLACE ";" "&#59;" content "${content}")
    string(REPLACE "</message>" ";" messages "${content}")
    foreach(message IN LISTS messages)
        if(message MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
            set(state ${CMAKE_MATCH_1})
            string(REGEX MATCH "<source>([^<]*)</source>" _ "${message}")
            string(APPEND problems "  ${name}: ${state}: \"${CMAKE_MATCH_1}\"\n")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "Translations behind the sources (run the target update_translations, "
                        "then translate every unfinished text and drop the vanished ones):\n"
                        "${problems}")
endif()
file(TOUCH ${STAMP})
