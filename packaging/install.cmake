# cmake --install and the Debian package (cpack -G DEB). Included after every
# program target exists, so vespera-cli is installed as soon as it is built.

set(VESPERA_PROGRAMS "")
foreach(program IN ITEMS vespera vespera-cli)
  if(TARGET ${program})
    list(APPEND VESPERA_PROGRAMS ${program})
  endif()
endforeach()
if(VESPERA_PROGRAMS)
  install(TARGETS ${VESPERA_PROGRAMS} RUNTIME DESTINATION bin)
endif()

# Fixed folders rather than GNUInstallDirs: base/data_files.cpp finds the
# data in ../share/vespera beside the program's bin/, whatever the prefix.
install(FILES data/gazetteer.tsv DESTINATION share/vespera)
install(DIRECTORY data/ferien/ DESTINATION share/vespera/ferien FILES_MATCHING PATTERN "*.tsv")
install(FILES packaging/copyright DESTINATION share/doc/vespera)

if(TARGET vespera)
  install(FILES packaging/vespera.desktop DESTINATION share/applications)
  install(FILES packaging/vespera.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES packaging/de.vespera.Vespera.metainfo.xml DESTINATION share/metainfo)
endif()
if(TARGET vespera-cli)
  install(FILES packaging/vespera-cli.1 DESTINATION share/man/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vespera)
set(CPACK_PACKAGE_VENDOR "Vespera developers")
set(CPACK_PACKAGE_CONTACT "Vespera maintainers <maintainers@users.noreply.c-seed-9851c475.example>"
    CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calendar and almanac for the desktop (German)")
set(CPACK_PACKAGE_DESCRIPTION
  "Vespera shows a month and, for a chosen day and place, sunrise and sunset,\n"
  "twilight, moonrise and moonset, the moon phase, solar eclipses, the date in\n"
  "other calendars, holidays and the days of the clock change. It lists a\n"
  "year's holidays, full and new moons and seasons, counts the days between\n"
  "two dates and exports holidays as iCalendar files. The program is in German.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries from dpkg-shlibdeps; beside them what is loaded at run time:
# the zones from /usr/share/zoneinfo, libical for .ics files (opened when one
# is read), Qt's platform plugins (xcb, wayland, offscreen), which libqt6gui6
# only recommends, the DejaVu fonts that print and PDF embed, and Qt's German
# translations for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, libical3")
if(TARGET vespera)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins, fonts-dejavu-core, qt6-translations-l10n")
endif()
include(CPack)
