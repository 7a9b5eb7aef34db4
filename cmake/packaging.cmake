# `cpack -G DEB` in the build folder: a Debian package of what `cmake --install`
# puts in place (the binary, its desktop entry, AppStream metadata and icons).
# dpkg-shlibdeps works out the Qt libraries it depends on.
set(CPACK_PACKAGE_NAME zelvar)
set(CPACK_PACKAGE_VENDOR "The Zelvar Authors")
set(CPACK_PACKAGE_CONTACT "The Zelvar Authors <feedback@zelvar.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact length converter for customary and metric units")
set(CPACK_PACKAGE_DESCRIPTION [=[
Zelvar converts a length between fourteen units at once: league, mile,
furlong, rod, yard, foot and inch, and kilometre down to millimetre.
Type a number, pick its unit and press CONVERT; the value appears in the
thirteen other units in a fixed grid, every digit following one fixed
conversion table.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the windows were drawn for, or their metric-compatible stand-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
