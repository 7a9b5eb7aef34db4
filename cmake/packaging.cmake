# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build folder of its own (scripts/make-deb, which
# `make deb` and tests/package run): a Debian package of what `cmake --install`
# puts in place (the binary, its manual page, desktop entry, AppStream
# metadata and icons) and of the "debian" component, the copyright notice and
# the changelog in Debian's formats. dpkg-shlibdeps works out the Qt
# libraries it depends on. The binary is stripped and carries no RPATH; how
# it is compiled is up to the builder's flags, which scripts/make-deb takes
# from dpkg-buildflags. tests/package runs lintian --pedantic on the result.
#
# lintian --pedantic --info shows no tag at all on this package. The only
# informational one it showed, binary-has-unneeded-section (the compiler's
# .comment), is fixed by the strip step in cmake/strip_notes.cmake.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${ZELVAR_AUTHORS}")
set(CPACK_PACKAGE_CONTACT "${ZELVAR_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ZELVAR_SYNOPSIS}")
set(CPACK_PACKAGE_DESCRIPTION "${ZELVAR_DESCRIPTION}
Every digit follows one fixed conversion table.")
set(CPACK_STRIP_FILES ON)
# The package installs where the build was configured to (scripts/make-deb:
# /usr), as the session bus's service file names the search provider there.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
# Everything a plain install puts in place, and the Debian-only files.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
                                 "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the windows fit (fonts-liberation brings Liberation Sans and its
# Narrow face), and Qt's Wayland platform, without which a Wayland desktop runs the program
# through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation, fonts-dejavu-core")
# Files and folders as Debian wants them whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
