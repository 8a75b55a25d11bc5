#!/usr/bin/env bash
# Installs everything Skyloom needs to build and test on Debian 12, from
# Debian's own packages. Safe to run again: it installs only what is missing.
#   scripts/bootstrap.sh            the Linux build and tests
#   scripts/bootstrap.sh --windows  also the MinGW-w64 cross compiler and Wine
set -euo pipefail

packages=(cmake ninja-build g++ make git libgtest-dev libbenchmark-dev clang-format python3)
if [[ "${1:-}" == "--windows" ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
