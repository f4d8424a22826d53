# Where `cmake --install` puts Corrolab, and the Debian package CPack makes of it.
#
#   bin/corrolab                         starts the windows (no arguments) or the command line
#   libexec/corrolab/corrolab-cli        the command line (no subcommand: the windows)
#   libexec/corrolab/corrolab-windows    the windows, started by corrolab
#   libexec/corrolab/corrolab-fetch      the downloader of `corrolab rates update`
#   lib/ARCH/corrolab/corrolab-*.so      the windows' modules, opened on first use
#   share/corrolab/                      Currency.txt, help.txt, units.txt
#   share/applications/, share/metainfo/, share/bash-completion/completions/, share/icons/hicolor/, share/man/man1/
#   share/doc/corrolab/                  copyright, changelog
include(GNUInstallDirs)

set(CORROLAB_APP_ID io.github.corrolab.Corrolab)
set(CORROLAB_MAINTAINER "Corrolab developers <corrolab@example.org>"
  CACHE STRING "The package's maintainer: name <address>")
set(CORROLAB_SCREENSHOTS_URL "https://corrolab.github.io/docs"
  CACHE STRING "Web folder that serves docs/corrolab-main.png and docs/corrolab-material.png")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS corrolab RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(installed_programs ${CMAKE_INSTALL_BINDIR}/corrolab)
if(TARGET corrolab-windows)
  install(TARGETS corrolab-cli corrolab-windows corrolab-fetch
    RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/corrolab)
  list(APPEND installed_programs ${CMAKE_INSTALL_LIBEXECDIR}/corrolab/corrolab-cli
    ${CMAKE_INSTALL_LIBEXECDIR}/corrolab/corrolab-windows
    ${CMAKE_INSTALL_LIBEXECDIR}/corrolab/corrolab-fetch)
  # The windows' modules, which corrolab-windows finds from its own folder.
  install(TARGETS ${CORROLAB_MODULES} LIBRARY DESTINATION ${CORROLAB_MODULES_DIR})
  foreach(module IN LISTS CORROLAB_MODULES)
    list(APPEND installed_programs ${CORROLAB_MODULES_DIR}/${module}.so)
  endforeach()
endif()
# A stripped install (the package) also loses the compilers' .comment notes, as
# Debian's dh_strip does.
find_program(OBJCOPY NAMES objcopy ${CMAKE_OBJCOPY})
if(OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(program ${installed_programs})
        execute_process(COMMAND \"${OBJCOPY}\" --remove-section=.comment
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\" COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()")
endif()

file(GLOB data_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
install(FILES ${data_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/corrolab)

install(FILES ${packaging}/${CORROLAB_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/corrolab.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME corrolab)
configure_file(${packaging}/${CORROLAB_APP_ID}.metainfo.xml.in
  ${generated}/${CORROLAB_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${CORROLAB_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing, and the PNG sizes rendered from it at build time.
install(FILES ${packaging}/${CORROLAB_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS CORROLAB_ICON_SIZES)
  install(FILES ${CORROLAB_ICON_FOLDER}/${size}x${size}/${CORROLAB_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page.
find_program(GZIP gzip)
configure_file(${packaging}/corrolab.1.in ${generated}/corrolab.1 @ONLY)
if(GZIP)
  add_custom_command(OUTPUT ${generated}/corrolab.1.gz
    COMMAND ${GZIP} -9nkf ${generated}/corrolab.1
    DEPENDS ${generated}/corrolab.1
    VERBATIM)
  add_custom_target(corrolab_manual ALL DEPENDS ${generated}/corrolab.1.gz)
  install(FILES ${generated}/corrolab.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${generated}/corrolab.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# What Debian asks of every package: the copyright and a changelog.
configure_file(${packaging}/copyright.in ${generated}/copyright @ONLY)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
if(GZIP)
  add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${GZIP} -9nkf ${generated}/changelog
    DEPENDS ${generated}/changelog
    VERBATIM)
  add_custom_target(corrolab_changelog ALL DEPENDS ${generated}/changelog.gz)
  install(FILES ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corrolab)
endif()
install(FILES ${generated}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corrolab)

# cpack -G DEB (or `cmake --build build --target package`): build/corrolab_VERSION_ARCH.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corrolab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CORROLAB_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORROLAB_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the drawing of the icon through a plugin, which no library names.
set(depends libqt6svg6)
# Nor does any header name the libraries opened on first use: their packages.
get_property(opened GLOBAL PROPERTY CORROLAB_OPENED_LIBRARIES)
foreach(library IN LISTS opened)
  string(REGEX REPLACE "^/usr/" "/" unmerged ${library}) # a package may own it as /lib/...
  foreach(path IN ITEMS ${library} ${unmerged})
    execute_process(COMMAND dpkg-query -S ${path} OUTPUT_VARIABLE owner
      RESULT_VARIABLE failed ERROR_QUIET)
    if(failed EQUAL 0 AND owner MATCHES "^([^:, ]+)")
      list(APPEND depends ${CMAKE_MATCH_1})
      break()
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES depends)
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Opening files and addresses on the desktop; the fonts the windows were laid out with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "corrosion rate, unit and currency converter
Corrolab converts a corrosion rate between current-density, mass-loss and
penetration units (micro_amp/cm^2, mdd, mm/year, mpy and more) using the
equivalent weight and density of the corroding metal or alloy, which it
computes from a composition with a built-in element table and a catalogue of
266 alloys. It also converts currencies with an editable exchange-rates file
and lists a catalogue of 597 units.

It works in windows (Qt) and on the command line: corrolab convert 1
micro_amp/cm^2 mpy.")
include(CPack)
