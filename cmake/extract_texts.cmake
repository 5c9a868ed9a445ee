# SPDX-License-Identifier: GPL-3.0-or-later
# Run with -DSOURCE_DIR, -DPOT, -DXGETTEXT and -DMSGMERGE: every text a user reads, from the
# C++ of the libraries and the window, the menu entry and the AppStream data, into one
# template, and each catalogue brought up to it.
cmake_minimum_required(VERSION 3.25)
set(folders language core layout panels working practice app web)
set(sources "")
foreach(folder IN LISTS folders)
    file(GLOB found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
endforeach()
list(SORT sources)
set(common --from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file --package-name=vorantis
    --msgid-bugs-address=dravelin@example.org)
execute_process(COMMAND ${XGETTEXT} ${common} --language=C++ --keyword=tr:1,1t --keyword=tr:1,2c,2t --keyword=trIn:2,2t
        --keyword=trIn:2,3c,3t --keyword=trn:1,2 --keyword=translatable --keyword=translatableIn:1c,2 --keyword=counted:1,2 -o ${POT} ${sources}
    COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${SOURCE_DIR})
# Joined to the same template: the menu entry's keys, then the AppStream texts (by gettext's
# own rules for the format).
execute_process(COMMAND ${XGETTEXT} ${common} --join-existing --language=Desktop --keyword=Name
        --keyword=GenericName --keyword=Comment --keyword=Keywords -o ${POT} data/org.example.Vorantis.desktop
    COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${SOURCE_DIR})
execute_process(COMMAND ${XGETTEXT} ${common} --join-existing -o ${POT} data/org.example.Vorantis.metainfo.xml
    COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${SOURCE_DIR})
file(GLOB catalogues ${SOURCE_DIR}/po/*.po)
foreach(catalogue IN LISTS catalogues)
    execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching ${catalogue} ${POT}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
