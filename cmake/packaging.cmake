# Install layout, desktop integration and the Debian package.
#
# `cmake --install <build> --prefix P` lays out
#   P/lib/noktaris/     the program folder: noktaris, config.ini, data/, pics/, html/
#                       (the manual made with this build's addresses) and the
#                       updater update, as in the build's runnable folder
#   P/bin/noktaris      a launcher that finds the program folder from its own place
#   P/share/applications, P/share/icons/hicolor, P/share/metainfo
#                       the desktop entry, the icon and the AppStream description
#   P/share/man/man1/noktaris.1.gz
#                       the manual page, in Czech
#   P/share/doc/noktaris/copyright, P/share/doc/noktaris/changelog.gz
#                       the licence note and the Debian changelog
# All paths are relative to the prefix, so the installed tree may be moved whole.
# The delivered files are taken from the sources, never from the build's runnable
# folder, where the user may have changed the settings or the catalogues.
#
# `cpack -G DEB` in the build folder makes noktaris_<version>_<arch>.deb for /usr.

set(NOKTARIS_APP_ID "org.noktaris.Noktaris")
set(NOKTARIS_INSTALL_PROGRAM_DIR "lib/noktaris")
set(NOKTARIS_INSTALL_BIN_DIR "bin")
set(NOKTARIS_INSTALL_SHARE_DIR "share")

set(noktaris_desktop_source ${PROJECT_SOURCE_DIR}/desktop)
set(noktaris_desktop_build ${PROJECT_BINARY_DIR}/desktop)

# The package's maintainer, who also signs the entries of its changelog.
set(NOKTARIS_PACKAGE_MAINTAINER "Noktaris <${NOKTARIS_AUTHOR_MAIL}>")

# Folders made by the install get rwxr-xr-x whatever the umask or the source folder's bits.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# --- the program folder ---------------------------------------------------------

install(TARGETS noktaris RUNTIME DESTINATION ${NOKTARIS_INSTALL_PROGRAM_DIR})
# The updater is made by configure_file with the build's web location (src/CMakeLists.txt).
install(PROGRAMS ${NOKTARIS_PROGRAM_DIR}/update DESTINATION ${NOKTARIS_INSTALL_PROGRAM_DIR})
install(FILES ${NOKTARIS_DELIVERED_DIR}/config.ini DESTINATION ${NOKTARIS_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${NOKTARIS_DELIVERED_DIR}/data ${NOKTARIS_DELIVERED_DIR}/pics ${NOKTARIS_MANUAL_DIR}/html
        DESTINATION ${NOKTARIS_INSTALL_PROGRAM_DIR})

# The copyright note that Debian expects beside every package's documentation.
file(WRITE ${noktaris_desktop_build}/copyright
"Noktaris ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
${NOKTARIS_WEB_LOCATION}

Copyright 2026 the Noktaris team

Noktaris is free software: you can redistribute it and/or modify it under the
terms of the GNU General Public License as published by the Free Software
Foundation, either version 3 of the License, or (at your option) any later
version.

On Debian systems, the complete text of the GNU General Public License version 3
can be found in /usr/share/common-licenses/GPL-3.

The sky pictures (data/*.jpg in the program folder) are adaptations of
photographs and of the Moon map in Debian's stellarium-data and keep their own
licences. Their authors and licences are listed in the manual, on the page
html/aplikace.html of the program folder.
")
install(FILES ${noktaris_desktop_build}/copyright DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/doc/noktaris)

# --- the manual page and the changelog ------------------------------------------

# Both are text in desktop/, filled in with this build's web location and addresses,
# and gzipped at build time: -9 for the best compression, -n for neither the name
# nor the time of the uncompressed file in the header, so that the same sources
# give the same bytes. The changelog is in Debian's format. The package's version,
# 1.4.0, has no Debian revision ("-1"), so Debian counts the package as native,
# and a native package's changelog is named changelog.gz (changelog.Debian.gz is
# for a package with a revision, beside the upstream changelog.gz).
find_program(NOKTARIS_GZIP gzip REQUIRED)
configure_file(${noktaris_desktop_source}/noktaris.1.in ${noktaris_desktop_build}/noktaris.1 @ONLY)
configure_file(${noktaris_desktop_source}/changelog.in ${noktaris_desktop_build}/changelog @ONLY)
set(noktaris_gzipped_docs)
foreach(file noktaris.1 changelog)
  set(gz ${noktaris_desktop_build}/gz/${file}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${noktaris_desktop_build}/gz
    COMMAND ${CMAKE_COMMAND} -E copy ${noktaris_desktop_build}/${file} ${noktaris_desktop_build}/gz/${file}
    COMMAND ${NOKTARIS_GZIP} -9nf ${noktaris_desktop_build}/gz/${file}
    DEPENDS ${noktaris_desktop_build}/${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
  list(APPEND noktaris_gzipped_docs ${gz})
endforeach()
add_custom_target(noktaris_docs ALL DEPENDS ${noktaris_gzipped_docs})
install(FILES ${noktaris_desktop_build}/gz/noktaris.1.gz DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/man/man1)
install(FILES ${noktaris_desktop_build}/gz/changelog.gz DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/doc/noktaris)

# --- the launcher ---------------------------------------------------------------

file(RELATIVE_PATH NOKTARIS_LAUNCHER_TO_PROGRAM
     /prefix/${NOKTARIS_INSTALL_BIN_DIR} /prefix/${NOKTARIS_INSTALL_PROGRAM_DIR})
configure_file(${noktaris_desktop_source}/launcher.in ${noktaris_desktop_build}/noktaris @ONLY)
install(PROGRAMS ${noktaris_desktop_build}/noktaris DESTINATION ${NOKTARIS_INSTALL_BIN_DIR})

# --- desktop entry, AppStream description, icons --------------------------------

configure_file(${noktaris_desktop_source}/noktaris.desktop.in
               ${noktaris_desktop_build}/${NOKTARIS_APP_ID}.desktop @ONLY)
configure_file(${noktaris_desktop_source}/noktaris.metainfo.xml.in
               ${noktaris_desktop_build}/${NOKTARIS_APP_ID}.metainfo.xml @ONLY)
install(FILES ${noktaris_desktop_build}/${NOKTARIS_APP_ID}.desktop
        DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/applications)
install(FILES ${noktaris_desktop_build}/${NOKTARIS_APP_ID}.metainfo.xml
        DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/metainfo)

set(noktaris_icon_svg ${noktaris_desktop_source}/noktaris.svg)
install(FILES ${noktaris_icon_svg} DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/icons/hicolor/scalable/apps
        RENAME ${NOKTARIS_APP_ID}.svg)

# The bitmap sizes are drawn from the SVG at build time (Debian's librsvg2-bin).
find_program(NOKTARIS_RSVG_CONVERT rsvg-convert)
if(NOKTARIS_RSVG_CONVERT)
  set(noktaris_icon_pngs)
  foreach(size 16 32 48 64 128 256)
    set(png ${noktaris_desktop_build}/icons/${size}x${size}/${NOKTARIS_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${noktaris_desktop_build}/icons/${size}x${size}
      COMMAND ${NOKTARIS_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${noktaris_icon_svg}
      DEPENDS ${noktaris_icon_svg}
      COMMENT "Drawing the ${size}x${size} icon"
      VERBATIM)
    list(APPEND noktaris_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${NOKTARIS_INSTALL_SHARE_DIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(noktaris_icons ALL DEPENDS ${noktaris_icon_pngs})
else()
  message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: "
                  "only the scalable icon is installed, without the bitmap sizes")
endif()

# --- the Debian package ---------------------------------------------------------

# Only for Noktaris's own build: a project that takes it in makes its own packages.
if(PROJECT_IS_TOP_LEVEL)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME noktaris)
  set(CPACK_PACKAGE_VENDOR "Noktaris")
  # major.minor.patch of the project's version: 1.4.0
  set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
  set(CPACK_PACKAGE_CONTACT "${NOKTARIS_PACKAGE_MAINTAINER}")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for amateur astronomers and astrophotographers")
  set(CPACK_PACKAGE_DESCRIPTION
"Noktaris computes, as you type, the magnification, resolving power, limiting
magnitudes and fields of view of a telescope and eyepiece, and the exposure
times, star trails, image sizes, guiding tolerance and pixel scale of a camera
lens, film format or CCD chip.

It comes with six editable catalogues of real telescopes, eyepieces, object
brightnesses and sizes, film formats and CCD chips, graphs of the dependences,
a field-of-view viewer over photographs of the sky and a manual. The user
interface and the manual are in Czech.")
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)

  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${NOKTARIS_WEB_LOCATION}")
  # Besides the linked libraries (dpkg-shlibdeps adds their versions): what the
  # program loads at run time, the xcb platform plugin, the faces of its windows
  # (Liberation Sans from fonts-liberation2, the group titles' Liberation Sans
  # Narrow from fonts-liberation), Qt's Czech translation of the standard buttons,
  # and xdg-open, through which the manual, the web page, the mail link and the
  # updater's download page are opened.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6network6, libqt6gui6, libqt6core6, qt6-qpa-plugins, libjpeg62-turbo, fonts-liberation2, fonts-liberation, qt6-translations-l10n, xdg-utils")
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # A calculator for the calculator buttons (the delivered config.ini names
  # gnome-calculator; the settings window's "Zjisti" finds the others), and the
  # updater's message dialogs.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-calculator | kcalc | galculator | qalculate-gtk, zenity | kdialog")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

  include(CPack)
endif()
