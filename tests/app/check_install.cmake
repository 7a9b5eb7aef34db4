# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX and checks that every file of the program
# and of its desktop integration is where desktops look for it, and that
# nothing else is: the copyright notice and the changelog in Debian's formats
# are only for the package.
# Run by CTest: cmake -DBUILD_DIR= -DPREFIX= -DBINDIR= -DDATADIR= -DMANDIR= -DEXECUTABLE= -DAPP_ID=
#                    [-DSEARCH_PROVIDER= -DSEARCH_PROVIDER_PATH= -DSEARCH_BUS_NAME=] -P check_install.cmake
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
    "${MANDIR}/man1/${EXECUTABLE}.1.gz")
if(SEARCH_PROVIDER)  # the search provider's files, when it is built
  list(APPEND expected
    "${SEARCH_PROVIDER}"
    "${DATADIR}/dbus-1/services/${SEARCH_BUS_NAME}.service"
    "${DATADIR}/gnome-shell/search-providers/${APP_ID}.search-provider.ini"
    "${DATADIR}/krunner/dbusplugins/${APP_ID}.desktop")
endif()
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

# The installed files agree with one another and with the installed program,
# as a desktop, a software centre and man read them: the menu entry runs the
# binary, shows an installed icon and is matched to the windows by the name
# the program goes by; the AppStream metadata names that entry, binary and
# icon; the version the program prints heads the metadata's releases and the
# manual page, which is dated as that release.
function(read_field out text regex what)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: no ${regex} in\n${text}")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
function(expect_file path what)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "${what}, but ${path} is not installed")
  endif()
endfunction()

execute_process(COMMAND "${PREFIX}/${BINDIR}/${EXECUTABLE}" --version OUTPUT_VARIABLE printed)
read_field(name "${printed}" "^([^ ]+) " "--version")
read_field(version "${printed}" "^[^ ]+ ([^\n]+)\n$" "--version")

file(READ "${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop" entry)
read_field(exec "${entry}" "\nExec=([^\n]*)" "the desktop entry")
read_field(icon "${entry}" "\nIcon=([^\n]*)" "the desktop entry")
read_field(wm_class "${entry}" "\nStartupWMClass=([^\n]*)" "the desktop entry")
expect_file("${BINDIR}/${exec}" "the desktop entry runs ${exec}")
expect_file("${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg" "the desktop entry shows ${icon}")
if(NOT wm_class STREQUAL name)
  message(FATAL_ERROR "the desktop entry expects windows of ${wm_class}, the program is ${name}")
endif()

file(READ "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml" metainfo)
read_field(launchable "${metainfo}" "<launchable type=\"desktop-id\">([^<]*)<" "the metainfo")
read_field(binary "${metainfo}" "<binary>([^<]*)<" "the metainfo")
read_field(stock_icon "${metainfo}" "<icon type=\"stock\">([^<]*)<" "the metainfo")
read_field(release "${metainfo}" "<release version=\"([^\"]*)\"" "the metainfo")
read_field(release_date "${metainfo}" "<release version=\"[^\"]*\" date=\"([^\"]*)\"" "the metainfo")
expect_file("${DATADIR}/applications/${launchable}" "the metainfo launches ${launchable}")
expect_file("${BINDIR}/${binary}" "the metainfo provides ${binary}")
if(NOT stock_icon STREQUAL icon OR NOT release STREQUAL version)
  message(FATAL_ERROR "the metainfo shows ${stock_icon} for ${icon}, release ${release} for ${version}")
endif()

execute_process(COMMAND gzip -dc "${PREFIX}/${MANDIR}/man1/${exec}.1.gz" OUTPUT_VARIABLE manual)
read_field(th "${manual}" "\n(\\.TH [^\n]*)" "the manual page of ${exec}")
if(NOT th MATCHES " 1 \"${release_date}\" \"[^\"]* ${version}\" ")
  message(FATAL_ERROR "the manual page is not dated ${release_date} for version ${version}: ${th}")
endif()

# The session bus starts the search provider where the configured prefix puts it.
if(SEARCH_PROVIDER)
  file(READ "${PREFIX}/${DATADIR}/dbus-1/services/${SEARCH_BUS_NAME}.service" service)
  if(NOT service STREQUAL "[D-BUS Service]\nName=${SEARCH_BUS_NAME}\nExec=${SEARCH_PROVIDER_PATH}\n")
    message(FATAL_ERROR "the service file does not start ${SEARCH_PROVIDER_PATH} alone:\n${service}")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed as expected:\n  ${expected}\n${printed}")
