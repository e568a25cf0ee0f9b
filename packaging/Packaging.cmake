# The Debian package, built in the build folder with:  cpack -G DEB
# It installs under /usr; the programs find their data from where they are installed.

# What Debian asks of every package: the copyright and the changelog, compressed as its tools do.
set(velmora_changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${velmora_changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${PROJECT_BINARY_DIR}/packaging/changelog
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/packaging/changelog
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    VERBATIM)
add_custom_target(velmora-changelog ALL DEPENDS ${velmora_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${velmora_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora2)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora2)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_VELMORA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripPrograms.cmake)
set(VELMORA_PACKAGE_MAINTAINER "Velmora <paquets@velmora.fr>" CACHE STRING
    "Maintainer of the Debian package, as 'Name <address>'")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.fr/velmora2/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "enzyme activity simulator for biology classes")
set(CPACK_PACKAGE_DESCRIPTION
"Velmora v2 shows, for biology classes, enzymes at work among the molecules
of four sugar reactions: lactose hydrolysis, lactose synthesis, maltose
hydrolysis and amylose hydrolysis. Students choose the reaction, the
temperature, the pH and the quantities of enzyme, substrate and inhibitor,
then watch the enzymes bind the molecules and release the products while a
graph plots the substrate left, second by second. Explanatory movies cover
the mechanism, the formula of lactose in 3D and the iodine and Fehling tests;
a teacher's guide and three practical sheets in French come as PDF.
.
The program speaks French, and English where the user's locale asks for it.
The package also holds velmora2-batch, which runs one experiment without a
window and writes its time course and final state.")
# The libraries, from the programs' links; the QML modules that the movies import (directly or
# through Qt Quick Controls) are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-shapes, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtqml-workerscript")
# The window asks for Arial; Liberation Sans has its metrics. Without it the text is wider. Qt's
# own words (the file dialog's, the message boxes' buttons) are French with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
