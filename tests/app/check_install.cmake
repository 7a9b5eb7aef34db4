# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX and checks that every file of the program
# and of its desktop integration is where desktops look for it.
# Run by CTest: cmake -DBUILD_DIR= -DPREFIX= -DBINDIR= -DDATADIR= -DMANDIR= -DDOCDIR= -DEXECUTABLE= -DAPP_ID=
#                    -DSEARCH_PROVIDER= -DSEARCH_BUS_NAME= -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
    "${BINDIR}/${EXECUTABLE}"
    "${DATADIR}/applications/${APP_ID}.desktop"
    "${DATADIR}/metainfo/${APP_ID}.metainfo.xml"
    "${MANDIR}/man1/${EXECUTABLE}.1.gz"
    "${DOCDIR}/copyright"
    "${DOCDIR}/changelog.gz"
    "${SEARCH_PROVIDER}"
    "${DATADIR}/dbus-1/services/${SEARCH_BUS_NAME}.service"
    "${DATADIR}/gnome-shell/search-providers/${APP_ID}.search-provider.ini"
    "${DATADIR}/krunner/dbusplugins/${APP_ID}.desktop")
foreach(size 16 32 48 64 128 256)
  list(APPEND expected "${DATADIR}/icons/hicolor/${size}x${size}/apps/${EXECUTABLE}.png")
endforeach()
list(APPEND expected "${DATADIR}/icons/hicolor/scalable/apps/${EXECUTABLE}.svg")

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed_lines "${installed}")
  string(REPLACE ";" "\n  " expected_lines "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed_lines}\nexpected:\n  ${expected_lines}")
endif()
execute_process(COMMAND test -x "${PREFIX}/${BINDIR}/${EXECUTABLE}" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "${BINDIR}/${EXECUTABLE} is not executable")
endif()
# The session bus starts the search provider from where it was installed.
file(READ "${PREFIX}/${DATADIR}/dbus-1/services/${SEARCH_BUS_NAME}.service" service)
if(NOT service MATCHES "\nExec=${PREFIX}/${SEARCH_PROVIDER}\n")
  message(FATAL_ERROR "the service file does not start ${PREFIX}/${SEARCH_PROVIDER}:\n${service}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed as expected:\n  ${expected}")
