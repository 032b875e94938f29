# Installing the station as a Debian program, and its package (CPack, DEB):
#   tools/package.sh, or cmake --build <build folder> --target package
# The programs go to /usr/bin; what they ship with them (report files,
# pictures) to /usr/share/orstation, where shell::ShippedFilesFolder finds it.
include(GNUInstallDirs)

set(ORSTATION_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/orstation")

install(TARGETS orstation orsql orreport RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/Reports/" DESTINATION "${ORSTATION_SHARE_DIR}/Reports")
install(FILES "${PROJECT_SOURCE_DIR}/resources/Main Menu1.jpg" "${PROJECT_SOURCE_DIR}/resources/merlin.acs"
        DESTINATION "${ORSTATION_SHARE_DIR}")

# The desktop menu's entry and its icon in the sizes desktops look for.
install(FILES "${PROJECT_SOURCE_DIR}/packaging/orstation.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
foreach(size 16 32 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/resources/icons/orstation-${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME orstation.png)
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/resources/icons/orstation.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

# Manual pages of the two tools, compressed as Debian keeps them.
set(man_pages)
foreach(page orsql.1 orreport.1)
  configure_file("${PROJECT_SOURCE_DIR}/packaging/${page}.in" "${PROJECT_BINARY_DIR}/man/${page}" @ONLY)
  set(compressed "${PROJECT_BINARY_DIR}/man/${page}.gz")
  add_custom_command(OUTPUT "${compressed}"
    COMMAND sh -c "gzip -9nc '${PROJECT_BINARY_DIR}/man/${page}' > '${compressed}'"
    DEPENDS "${PROJECT_BINARY_DIR}/man/${page}"
    COMMENT "Manual page ${page}"
    VERBATIM)
  list(APPEND man_pages "${compressed}")
endforeach()
add_custom_target(orstation_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orstation)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Hospital IT department")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Operating-room station of the hospital information system")
# CPack puts the summary first and indents the rest as Debian wants it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The desktop program of the nurses, clerks and supervisors of the operating-room
complex: patients, schedules, charges, consents and nursing records, on the
hospital's SQL Server or on its own embedded hospital database.

Also holds orsql, the command-line client of the embedded database (T-SQL,
online backups, integrity checks), and orreport, which renders a report file
to PDF.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Hospital IT department <it@hospital.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link, with the versions they need, come from
# dpkg-shlibdeps (the screen's platform plugin comes with libqt6gui6). Qt
# loads the embedded database's driver at run time, so it is named here; SQL
# Server is reached through the ODBC driver, wanted where the hospital's
# server is used.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-odbc, tdsodbc, fonts-dejavu-core")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
