# Installation and the Debian package (`make package`).
#
# The program looks for its language files in Lang/ beside itself, so it lives
# with them in a folder of its own; /usr/bin holds links to the programs.
include(GNUInstallDirs)
set(VARO_APP_DIR ${CMAKE_INSTALL_LIBDIR}/varo-rz60)

install(TARGETS varo-config varo-gateway-sim varo-nmea RUNTIME DESTINATION ${VARO_APP_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/lang/ DESTINATION ${VARO_APP_DIR}/Lang
        FILES_MATCHING PATTERN "*.ini" PATTERN "*.txt")
foreach(program varo-config varo-gateway-sim varo-nmea)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${VARO_APP_DIR}/${program}
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/man/varo-config.1 ${PROJECT_SOURCE_DIR}/man/varo-gateway-sim.1
              ${PROJECT_SOURCE_DIR}/man/varo-nmea.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/varo-config.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/pictures/product.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps RENAME varo-config.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varo-rz60-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VARO RZ-60 configuration tool maintainers <support@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration tool for the VARO RZ-60 NMEA 0183 / NMEA 2000 gateway")
set(CPACK_PACKAGE_DESCRIPTION
    "Connects to the gateway over a serial port, reads its identity, configures its conversion filters, baud and output rate, and shows and logs the sentences it emits. Includes a simulated gateway (varo-gateway-sim) and the command-line sentence codec (varo-nmea).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, libudev1, libstdc++6 (>= 12), libc6 (>= 2.36), fonts-wqy-microhei")
include(CPack)
