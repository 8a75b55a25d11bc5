# The Debian package, made by CPack from the normal build:
#   cmake --build build && cpack --config build/CPackConfig.cmake -G DEB
# (scripts/package.sh does both). The package's name carries the project
# version; its dependencies are the shared libraries dpkg-shlibdeps finds in
# the executables.

set(CPACK_PACKAGE_NAME skyloom)
set(CPACK_PACKAGE_VENDOR "The Skyloom developers")
set(CPACK_PACKAGE_CONTACT "The Skyloom developers <skyloom@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flight-simulator route into FMC route files")
set(CPACK_PACKAGE_DESCRIPTION
    "Skyloom turns a flight-simulator route string (departure airport, waypoints
and airways, destination airport) into the FMC route file of the PMDG 737NG or
747, the LevelD 767 or the PSS 777, a flight plan for the simulator, a fuel
and flight-time estimate, a printed plan, a kneeboard page and an IVAO plan.
Every point is resolved against a navigation database in the PMDG text format;
a small sample database comes with the package. The batch command skyloom-cli
runs the same calculation from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # skyloom_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
