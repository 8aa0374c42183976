# Installing Lumivox like any desktop program, and its Debian package:
#   bin/lumivox            the program; reads Data below the current directory
#   bin/lumivox-check      the translators' library checker (tools/)
#   bin/lumivox-desktop    the menu entry's command: starts it in the player's
#                          own folder, seeded with the sample Data
#   share/applications, share/metainfo, share/icons/hicolor
#   share/lumivox/Data     the sample Data folder
include(GNUInstallDirs)

set(LUMIVOX_APP_ID org.lumivox.Lumivox)
set(LUMIVOX_ICON lumivox)
set(LUMIVOX_LAUNCHER lumivox-desktop)
set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(generated ${PROJECT_BINARY_DIR}/packaging)

# The launcher finds the program and the sample beside itself, so it works in
# any prefix and under DESTDIR.
file(RELATIVE_PATH LUMIVOX_BIN_TO_SAMPLE /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_DATADIR}/lumivox/Data)
configure_file(${packaging}/lumivox-desktop.in ${generated}/${LUMIVOX_LAUNCHER} @ONLY)
configure_file(${packaging}/${LUMIVOX_APP_ID}.desktop.in ${generated}/${LUMIVOX_APP_ID}.desktop @ONLY)
configure_file(${packaging}/${LUMIVOX_APP_ID}.metainfo.xml.in ${generated}/${LUMIVOX_APP_ID}.metainfo.xml @ONLY)

# The icon's bitmaps, drawn from the SVG at build time.
find_program(LUMIVOX_RSVG_CONVERT rsvg-convert)
if(NOT LUMIVOX_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (librsvg2-bin) is needed to draw the icon: ./scripts/install-packages.sh base")
endif()
set(icon_pngs)
foreach(size 16 32 48 64 128 256)
  set(png ${generated}/${LUMIVOX_ICON}-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${LUMIVOX_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${packaging}/lumivox.svg
    DEPENDS ${packaging}/lumivox.svg
    COMMENT "Drawing the ${size} px icon")
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${LUMIVOX_ICON}.png)
endforeach()
add_custom_target(lumivox_icons ALL DEPENDS ${icon_pngs})

install(TARGETS lumivox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${generated}/${LUMIVOX_LAUNCHER} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${LUMIVOX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${LUMIVOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/lumivox.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LUMIVOX_ICON}.svg)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lumivox/Data)

# The Debian package: cmake --build <build> --target package (or cpack in the
# build folder) writes lumivox_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivox)
set(CPACK_PACKAGE_VENDOR "Lumivox developers")
set(CPACK_PACKAGE_CONTACT "Lumivox developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shows the Chinese translation of a role-playing game's dialogue")
set(CPACK_PACKAGE_DESCRIPTION
  "Lumivox sits in a small window beside a Japanese-language role-playing game and shows the Chinese translation of the dialogue line the game is showing. It counts the presses of the key that advances the dialogue and shows the numbered line of a translation library.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Libraries come from the binary (dpkg-shlibdeps; Qt's X11 plugin is part of
# libqt6gui6). What Qt finds by name does not show there: a font with Chinese
# characters, and Qt's Chinese translations for the standard buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")  # the game runs under Wine, and Lumivox starts it there
include(CPack)
