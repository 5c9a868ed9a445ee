# SPDX-License-Identifier: GPL-3.0-or-later
# What the install puts where, and the Debian package built from the same install rules
# (cpack -G DEB). Every install rule is here, so that the folders they create are noted
# before the first and listed after the last (cmake/install_folders.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/install_folders.cmake)

set(VORANTIS_APP_ID org.example.Vorantis)
set(VORANTIS_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(VORANTIS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vorantis)

# The hicolor tree is laid out in the sources as it is installed: <size>/apps/<id>.{png,svg}
file(GLOB icon_folders RELATIVE ${VORANTIS_DATA_DIR} ${VORANTIS_DATA_DIR}/icons/hicolor/*/apps)
list(TRANSFORM icon_folders PREPEND ${CMAKE_INSTALL_DATADIR}/)
vorantis_note_new_folders(${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR}/applications
    ${CMAKE_INSTALL_DATADIR}/metainfo ${icon_folders} ${CMAKE_INSTALL_MANDIR}/man1 ${VORANTIS_DOC_DIR})

# The menu entry and the AppStream data with their translations merged in from po/.
find_program(VORANTIS_MSGFMT msgfmt REQUIRED) # gettext
set(translated_entry ${PROJECT_BINARY_DIR}/${VORANTIS_APP_ID}.desktop)
set(translated_metainfo ${PROJECT_BINARY_DIR}/${VORANTIS_APP_ID}.metainfo.xml)
file(GLOB po_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
add_custom_command(OUTPUT ${translated_entry} ${translated_metainfo}
    COMMAND ${VORANTIS_MSGFMT} --desktop --template=${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.desktop
        -d ${PROJECT_SOURCE_DIR}/po -o ${translated_entry}
    COMMAND ${VORANTIS_MSGFMT} --xml --template=${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.metainfo.xml
        -d ${PROJECT_SOURCE_DIR}/po -o ${translated_metainfo}
    DEPENDS ${po_files} ${PROJECT_SOURCE_DIR}/po/LINGUAS ${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.desktop
        ${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.metainfo.xml
    COMMENT "Merging the translations into the menu entry and the AppStream data" VERBATIM)
add_custom_target(vorantis_translated_data ALL DEPENDS ${translated_entry} ${translated_metainfo})

install(TARGETS vorantis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${translated_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${translated_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VORANTIS_DATA_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VORANTIS_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/doc/copyright ${VORANTIS_CHANGELOG} DESTINATION ${VORANTIS_DOC_DIR})

vorantis_list_new_folders()

set(CPACK_PACKAGE_NAME vorantis)
set(CPACK_PACKAGE_VENDOR "Dravelin")
set(CPACK_PACKAGE_CONTACT "Dravelin <dravelin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for school arithmetic")
set(CPACK_PACKAGE_DESCRIPTION "Vorantis converts between fractions, decimals and percents,
simplifies fractions, does the four operations on fractions and on decimals,
divides whole numbers with a remainder, and works out square roots, powers and
whether a number is prime.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vorantis.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt and C++ libraries the binary links; what it cannot see is
# named here: the platform plugins that open the window, and the face of every caption.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# The file and message dialogs in the pupil's language; the program speaks it without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
