# What the installed program brings for the desktop and the distribution, and the two Debian packages
# made from the install by CPack (`cpack -G DEB` in the build tree; scripts/package does it):
#   tmcalc         the program and tmcalc-cli, the menu entry, the icons, the software centre's metainfo,
#                  the man pages (install component `tmcalc`);
#   libtmcalc-dev  the static core library, its headers and its CMake package (component `dev`).
include(GNUInstallDirs)

set(TMCALC_RELEASE_DATE 2026-12-06)
set(TMCALC_MAINTAINER "tmcalc developers <dev@tmcalc.invalid>")
set(TMCALC_APPSTREAM_ID invalid.tmcalc.tmcalc)  # the reverse of the project's domain, tmcalc.invalid
# The release date as the changelog writes it and as the man pages' date (reproducible builds).
execute_process(COMMAND date -u -d ${TMCALC_RELEASE_DATE} -R OUTPUT_VARIABLE TMCALC_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -d ${TMCALC_RELEASE_DATE} +%s OUTPUT_VARIABLE tmcalc_release_epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(tmcalc_packaging_dir ${PROJECT_BINARY_DIR}/packaging)

# Desktop integration: the menu entry, the icon theme's sizes and the SVG drawn by the artwork tool (see
# src/resources), and the metainfo.
if(TMCALC_WITH_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/src/app/tmcalc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT tmcalc)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/src/resources/images/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
          COMPONENT tmcalc)
  configure_file(${PROJECT_SOURCE_DIR}/src/app/tmcalc.metainfo.xml.in
                 ${tmcalc_packaging_dir}/${TMCALC_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${tmcalc_packaging_dir}/${TMCALC_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT tmcalc)
endif()

# Man pages, made at build time by help2man from the programs' own --help and --version, so they say
# what the programs do. No display is offered: tmcalc answers both before it looks for one.
find_program(TMCALC_HELP2MAN help2man)
find_program(TMCALC_GZIP gzip)
if(TMCALC_HELP2MAN AND TMCALC_GZIP)
  set(man_programs tmcalc-cli)
  set(tmcalc-cli_man_name "temperature metrology conversions from the shell")
  set(tmcalc-cli_man_see_also tmcalc)
  if(TMCALC_WITH_UI)
    list(APPEND man_programs tmcalc)
    set(tmcalc_man_name "calculator for temperature metrology and thermal engineering")
    set(tmcalc_man_see_also tmcalc-cli)
  endif()
  set(man_pages "")
  foreach(program ${man_programs})
    set(page ${tmcalc_packaging_dir}/man/${program}.1)
    file(WRITE ${page}.h2m "[SEE ALSO]\n.BR ${${program}_man_see_also} (1)\n")
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
              SOURCE_DATE_EPOCH=${tmcalc_release_epoch} LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
              ${TMCALC_HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --name=${${program}_man_name}
                                 --include=${page}.h2m
                                 --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${TMCALC_GZIP} -9nf ${page}
      DEPENDS ${program} ${page}.h2m ${CMAKE_CURRENT_LIST_FILE}  # the rule above is in this file
      COMMENT "Writing the man page of ${program}"
      VERBATIM)
    list(APPEND man_pages ${page}.gz)
  endforeach()
  add_custom_target(tmcalc_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tmcalc)
else()
  message(STATUS "help2man or gzip not found: no man pages (scripts/setup-deps installs them)")
endif()

# Each package's copyright and changelog, as Debian policy wants them (compressed to the maximum,
# without a time stamp).
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${tmcalc_packaging_dir}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${tmcalc_packaging_dir}/changelog OUTPUT_FILE ${tmcalc_packaging_dir}/changelog.gz
                COMMAND_ERROR_IS_FATAL ANY)
foreach(component tmcalc dev)
  set(package tmcalc)
  if(component STREQUAL "dev")
    set(package libtmcalc-dev)
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${tmcalc_packaging_dir}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endforeach()

# The packages. Run-time dependencies come from dpkg-shlibdeps, which reads them off the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tmcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tmcalc developers")
set(CPACK_PACKAGE_CONTACT ${TMCALC_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_COMPONENTS_ALL dev)
if(TMCALC_WITH_UI)
  list(PREPEND CPACK_COMPONENTS_ALL tmcalc)
endif()
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # name_version_arch.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TMCALC_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SOURCE tmcalc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_TMCALC_PACKAGE_NAME tmcalc)
set(CPACK_DEBIAN_TMCALC_PACKAGE_SECTION science)
# The Chinese texts need a CJK face; the program falls back to others when this one is missing.
set(CPACK_DEBIAN_TMCALC_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_COMPONENT_TMCALC_DESCRIPTION
    "calculator for temperature metrology and thermal engineering
Type a value into one field of a page and the page at once shows the
equivalent values in its other fields: temperatures on five scales,
thermocouples of ten types, industrial platinum, copper and nickel resistance
thermometers, standard platinum resistance thermometers on ITS-90, NTC
thermistors, humidity, the signal of a linear transmitter and fourteen
families of engineering units. Several pages also derive calibration
coefficients from measured points.

The package also holds tmcalc-cli, which gives the same numbers to scripts.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libtmcalc-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# Not a run-time library: the CMake package looks for Eigen's, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libeigen3-dev (>= 3.3)")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "temperature metrology calculations for C++ programs (static library)
The computations of the tmcalc calculator as a static C++20 library without
Qt: thermocouple reference functions, resistance thermometers and ITS-90,
thermistors, humidity, transmitter arithmetic, engineering units and the
standards file. It comes with its headers and a CMake package:
find_package(tmcalc) and link tmcalc::tmcalc_core.")

include(CPack)
