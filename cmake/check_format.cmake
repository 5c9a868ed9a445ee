# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file of the sources as .clang-format writes it; a deviation fails the checks, so
# that a change is never lost among reformatted lines in a later one.
#   cmake -DSOURCE_DIR=. -DCLANG_FORMAT=clang-format -P cmake/check_format.cmake
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(sources)
foreach(folder app bench core language layout panels practice tests web working)
    file(GLOB_RECURSE found RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND sources ${found})
endforeach()
if(NOT sources)
    message(FATAL_ERROR "no C++ sources under ${SOURCE_DIR}")
endif()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${sources}
                WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE deviates)
if(deviates)
    message(FATAL_ERROR "the files above deviate from .clang-format: run clang-format -i on them")
endif()
