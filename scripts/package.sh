#!/usr/bin/env bash
# Builds the Debian package of Skyloom from the normal build (preset
# "default", folder build/): the two programs and the files they install,
# then CPack. Prints the package's path as its last line.
#   scripts/package.sh
# The package lands in build/packages/skyloom_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/CMakeCache.txt ]]; then
    cmake --preset default
fi
cmake --build build -j2 --target skyloom skyloom-cli skyloom_desktop_files
rm -rf build/packages
(cd build && cpack -G DEB -B "$PWD/packages" >/dev/null)
rm -rf build/packages/_CPack_Packages
package=$(ls build/packages/skyloom_*.deb)
echo "$package"
