# Install rules and the Debian package (make package). The programs go to
# bin, the updater to a folder of its own under libexec where velmora looks
# for it (see InstallLayout), the shared data under share/velmora.
set(VELMORA_LINUX ${PROJECT_SOURCE_DIR}/packaging/linux)
set(VELMORA_DEBIAN ${PROJECT_SOURCE_DIR}/packaging/debian)
set(VELMORA_PACKAGE_BUILD ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS velmora velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Flashwell RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/velmora)
install(FILES ${VELMORA_LINUX}/99-velmora-identifier.rules DESTINATION lib/udev/rules.d)
# The translations are built elsewhere; whatever .qm files they name are installed.
if(VELMORA_QM_FILES)
    install(FILES ${VELMORA_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/translations)
endif()
install(FILES ${VELMORA_LINUX}/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELMORA_LINUX}/com.norwake.velmora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The application icon is the program's own picture: the SVG as it is, and
# PNG renderings for desktops that want them.
set(_icon_svg ${PROJECT_SOURCE_DIR}/src/resources/pictures/velmora.svg)
install(FILES ${_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(_icon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(_png ${VELMORA_PACKAGE_BUILD}/icons/${size}x${size}/velmora.png)
    add_custom_command(OUTPUT ${_png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_PACKAGE_BUILD}/icons/${size}x${size}
        COMMAND velmora_svgtopng ${_icon_svg} ${VELMORA_PACKAGE_BUILD}/icons/${size}x${size}/velmora ${size}
        DEPENDS ${_icon_svg} velmora_svgtopng
        COMMENT "Rendering the application icon at ${size} pixels"
        VERBATIM)
    list(APPEND _icon_pngs ${_png})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants the change log compressed without a time stamp, so that the
# package is the same whenever it is built.
set(_changelog ${VELMORA_PACKAGE_BUILD}/changelog.gz)
add_custom_command(OUTPUT ${_changelog}
    COMMAND gzip -9n -c ${VELMORA_DEBIAN}/changelog > ${_changelog}
    DEPENDS ${VELMORA_DEBIAN}/changelog
    COMMENT "Compressing the change log"
    VERBATIM)
# The manual pages, with the version filled in and compressed as Debian wants.
string(TIMESTAMP VELMORA_MANUAL_DATE "%Y-%m-%d" UTC)
set(_manuals)
foreach(page velmora velmora-cli)
    set(_manual ${VELMORA_PACKAGE_BUILD}/man/${page}.1)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${page}.1.in ${_manual} @ONLY)
    add_custom_command(OUTPUT ${_manual}.gz
        COMMAND gzip -9n -c ${_manual} > ${_manual}.gz
        DEPENDS ${_manual}
        COMMENT "Compressing the manual page of ${page}"
        VERBATIM)
    list(APPEND _manuals ${_manual}.gz)
    install(FILES ${_manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

add_custom_target(velmora_package_files ALL DEPENDS ${_icon_pngs} ${_changelog} ${_manuals})
install(FILES ${VELMORA_DEBIAN}/copyright ${_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Norwake)
set(CPACK_PACKAGE_CONTACT "velmora maintainers <maintainers@norwake.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration program for the Identifier AIS transmitter")
set(CPACK_PACKAGE_DESCRIPTION "velmora configures, monitors and updates the Identifier, a battery-powered
AIS transmitter with a USB serial port: vessel data, AIS reporting, alerts,
geofence and voyage log settings, diagnostics, a GNSS view and the serial
console. velmora-cli does the same from scripts and in production, and
Flashwell updates the device's firmware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norwake.com/velmora")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: the programming
# history is an SQLite database, the MMSI pool of several stations is on a
# PostgreSQL server.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, libqt5sql5-psql")
# Qt's own texts (the file dialogs, the standard buttons) in the window's
# language; without them a German window shows English file dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VELMORA_DEBIAN}/postinst ${VELMORA_DEBIAN}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
