# SPDX-License-Identifier: GPL-3.0-or-later
# Run as `cmake -DFOLDER=core -DALLOWED="core" -DSTAMP=... -P check_includes.cmake` over the
# folder's files: an include of a folder that the one-way arrows do not allow, or of Qt in a
# plain library, stops the build with the file and line.
cmake_minimum_required(VERSION 3.25)
file(GLOB sources "${SOURCE_DIR}/${FOLDER}/*.h" "${SOURCE_DIR}/${FOLDER}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
            if(NOT CMAKE_MATCH_1 IN_LIST ALLOWED)
                string(APPEND faults "\n  ${source}: ${line}")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<Q")
            string(APPEND faults "\n  ${source}: ${line} (no Qt in a plain library)")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN ALLOWED ", " allowed)
    message(FATAL_ERROR "${FOLDER}/ may include only ${allowed}:${faults}")
endif()
file(TOUCH "${STAMP}")
