# Each library of src/ has an include root of its own: a folder in the build
# tree that holds a link to each of the library's folders of src/, so that
# "room/roomview.h" is found by the room's library, by what links it, and by
# nothing else. src/ itself is on no include path: a file that includes a
# folder its library does not link fails to compile, and CMake's
# target_link_libraries is the one statement of which folder may use which.

# quiz_include_root(TARGET FOLDER...): TARGET's headers are its FOLDERs of src/.
function(quiz_include_root target)
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARGN)
        if(NOT IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
            message(FATAL_ERROR "${target}: no folder src/${folder}")
        endif()
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
    set_property(GLOBAL APPEND PROPERTY VORNAXI_LIBRARY_FOLDERS ${ARGN})
endfunction()

# quiz_check_includes(): no file of src/ reaches another folder by a relative
# path ("../app/geometry.h"), which would bypass the include roots, and every
# folder of src/ belongs to a library. Called once, after every library.
function(quiz_check_includes)
    get_property(owned GLOBAL PROPERTY VORNAXI_LIBRARY_FOLDERS)
    file(GLOB folders LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(folder IN LISTS folders)
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${folder} AND NOT folder IN_LIST owned)
            message(FATAL_ERROR "src/${folder} belongs to no library (quiz_include_root)")
        endif()
    endforeach()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(file IN LISTS sources)
        file(STRINGS ${file} upward REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\./")
        if(upward)
            message(FATAL_ERROR "${file} includes by a relative path: ${upward}")
        endif()
    endforeach()
endfunction()
