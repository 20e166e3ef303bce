# Install layout and packages: a Debian package from the Linux build, a zip from the Windows
# cross build. Only the tool, its manual page and the README are installed.
include(GNUInstallDirs)

# Installing and packaging take the tool as built; they never build the test programs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS quarnell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(WIN32)
  install(FILES docs/quarnell.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  # Debian keeps manual pages compressed.
  set(manual_page ${CMAKE_CURRENT_BINARY_DIR}/quarnell.1.gz)
  add_custom_command(OUTPUT ${manual_page}
                     COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/docs/quarnell.1 > ${manual_page}
                     DEPENDS docs/quarnell.1)
  add_custom_target(manual_page ALL DEPENDS ${manual_page})
  install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME quarnell)
set(CPACK_PACKAGE_VENDOR "KESTRAVO")
set(CPACK_PACKAGE_CONTACT "quarnell maintainers <maintainers@quarnell.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "prepares a connected series of event files for the KESTRAVO hydrological model")
set(CPACK_PACKAGE_DESCRIPTION
    "quarnell asks a short, fixed set of questions on the console and writes one event file\n\
per event of a series of one-month or twelve-month events, with the list of the\n\
event files in order.")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
