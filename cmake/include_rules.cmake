# SPDX-License-Identifier: GPL-3.0-or-later
# The arrows between the plain libraries point one way: front ends -> practice -> working ->
# panels -> core, with layout beside them and language below them all. Each library's build checks its folder's includes first,
# so a wrong one fails the build instead of waiting for a reviewer.
function(vorantis_include_rules target folder)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${folder}-includes.checked)
    file(GLOB files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(JOIN ARGN ";" allowed)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DFOLDER=${folder}
            "-DALLOWED=${allowed}" -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
        DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
        COMMENT "Checking the includes of ${folder}/" VERBATIM)
    add_custom_target(${target}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_includes)
endfunction()
