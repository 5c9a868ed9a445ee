# SPDX-License-Identifier: GPL-3.0-or-later
# The uninstall removes what install_manifest.txt lists, in its order (README). So that it
# leaves no empty folder behind, the folders this install creates are listed there too,
# after the files and deepest first; a folder that was there before stays.

# An install rule that notes which of FOLDERS (relative to the prefix), and of the folders
# above them, do not exist yet. It must come before the rules that fill them. A folder an
# earlier install of this build created counts as created, so a reinstall forgets none.
function(vorantis_note_new_folders)
    install(CODE "set(vorantis_folders \"${ARGN}\")
        set(vorantis_earlier_manifest \"${PROJECT_BINARY_DIR}/install_manifest.txt\")")
    # The install script runs under no project's policies; these need if(... IN_LIST ...).
    install(CODE [[
      block(SCOPE_FOR POLICIES)
        cmake_policy(VERSION 3.25)
        set(vorantis_earlier)
        if(EXISTS "${vorantis_earlier_manifest}")
            file(STRINGS "${vorantis_earlier_manifest}" vorantis_earlier)
        endif()
        set(vorantis_new_folders)
        foreach(folder IN LISTS vorantis_folders)
            set(path "${CMAKE_INSTALL_PREFIX}/${folder}")
            while((NOT IS_DIRECTORY "$ENV{DESTDIR}${path}" OR path IN_LIST vorantis_earlier)
                  AND NOT path IN_LIST vorantis_new_folders)
                list(APPEND vorantis_new_folders "${path}")
                get_filename_component(path "${path}" DIRECTORY)
            endwhile()
        endforeach()
      endblock()
    ]])
endfunction()

# An install rule, after all the others, that adds the noted folders to the manifest.
function(vorantis_list_new_folders)
    install(CODE [[
        # A folder sorts after every folder above it, so the reverse order empties it first.
        list(SORT vorantis_new_folders ORDER DESCENDING)
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${vorantis_new_folders})
    ]])
endfunction()
