# Installation into the standard places and the Debian package (scripts/package.sh).
include(GNUInstallDirs)

# The release version follows the program's own "yy.MM.00" from the build date.
string(TIMESTAMP SORVANEL_RELEASE_VERSION "%y.%m.00")
string(TIMESTAMP SORVANEL_RELEASE_DATE "%Y-%m-%d")
set(desktop_id example.sorvanel3d.Sorvanel3D)
set(desktop_dir ${CMAKE_SOURCE_DIR}/res/desktop)
configure_file(${desktop_dir}/${desktop_id}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${desktop_id}.metainfo.xml @ONLY)

install(TARGETS Sorvanel3D sorvanel-scanner-sim sorvanel-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop_dir}/${desktop_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${desktop_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${desktop_dir}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/res/art/appicon/sorvanel3d.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian's documentation files: the copyright and a compressed changelog.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/sorvanel3d)
set(changelog ${CMAKE_BINARY_DIR}/changelog)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${changelog}
     "sorvanel3d (${SORVANEL_RELEASE_VERSION}) stable; urgency=medium\n\n"
     "  * Release ${SORVANEL_RELEASE_VERSION}.\n\n"
     " -- Sorvanel 3D developers <developers@sorvanel3d.example>  ${changelog_date}\n")
find_program(GZIP_EXECUTABLE gzip REQUIRED)
add_custom_command(OUTPUT ${changelog}.gz
                   COMMAND ${GZIP_EXECUTABLE} -9nkf ${changelog} DEPENDS ${changelog} VERBATIM)
add_custom_target(sorvanel_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz ${desktop_dir}/copyright DESTINATION ${doc_dir})

# Manual pages, compressed as Debian wants them.
foreach(page Sorvanel3D sorvanel-scanner-sim sorvanel-export)
  set(source ${desktop_dir}/man/${page}.1)
  set(packed ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${packed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND ${GZIP_EXECUTABLE} -9nc ${source} > ${packed}
                     DEPENDS ${source})
  list(APPEND manual_pages ${packed})
endforeach()
add_custom_target(sorvanel_manual_pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvanel3d)
set(CPACK_PACKAGE_VERSION ${SORVANEL_RELEASE_VERSION})
set(CPACK_PACKAGE_CONTACT "Sorvanel 3D developers <developers@sorvanel3d.example>")
set(CPACK_PACKAGE_VENDOR "Sorvanel 3D developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion program for Sorvanel ground-scanning probes")
# The synopsis comes from the summary; this is the long description.
set(CPACK_PACKAGE_DESCRIPTION "Sorvanel 3D reads the message stream of a Sorvanel ground-scanning probe over
the scanner's Wi-Fi, records the tracks walked over a field with live views
and a tone, keeps the datasets in a library and shows them as coloured 3D
heightfields. The package also holds sorvanel-scanner-sim, a simulated
scanner for trying the program without a probe.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the audio plugin and the GL driver; the
# positioning plugins and service give GPS fixes where the machine has them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5multimedia5-plugins, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt5positioning5-plugins, geoclue-2.0")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
