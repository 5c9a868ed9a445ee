# Where a desktop finds the program once installed, and the Debian package built from the
# same install rules (cpack -G DEB).

set(VORANTIS_APP_ID org.example.Vorantis)
set(VORANTIS_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(FILES ${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VORANTIS_DATA_DIR}/${VORANTIS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The hicolor tree is laid out in the sources as it is installed: <size>/apps/<id>.{png,svg}
install(DIRECTORY ${VORANTIS_DATA_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

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

include(CPack)
