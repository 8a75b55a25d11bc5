#!/usr/bin/env bash
# Installs everything Skyloom needs to build and test on Debian 12, from
# Debian's own packages, and the de_DE.UTF-8 locale one test runs under.
# Safe to run again: it installs only what is missing.
#   scripts/bootstrap.sh            the Linux build, the desktop program and the tests
#   scripts/bootstrap.sh --windows  also the MinGW-w64 cross compiler and Wine
#
# The package tools' output goes to a log file (build/logs/bootstrap.log, or
# bootstrap-windows.log); the terminal gets one line per step, and the log's
# last lines when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# The core and the batch command; the desktop program (Qt 6 Widgets, the
# WebEngine browser pane, SVG icons); fonts the windows are laid out with
# ("Courier New" resolves to Liberation Mono); and what the window tests and
# the screenshot script use: a virtual X server (xvfb-run needs xauth),
# pdftotext, ImageMagick, xwd and xdotool; what the Debian package is made and
# checked with: dpkg-shlibdeps (dpkg-dev), lintian and appstreamcli; and for
# the sanitizer build and the fuzzers clang with its sanitizer and libFuzzer
# runtimes, and llvm-symbolizer for readable reports.
packages=(cmake ninja-build g++ make git libgtest-dev libbenchmark-dev clang-format python3
    qt6-base-dev qt6-webengine-dev qt6-svg-dev
    fonts-dejavu-core fonts-liberation locales
    xvfb xauth poppler-utils imagemagick x11-apps xdotool
    dpkg-dev lintian appstream
    clang libclang-rt-14-dev llvm)
log_name=bootstrap
if [[ "${1:-}" == "--windows" ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest zip unzip)
    log_name=bootstrap-windows
fi

mkdir -p build/logs
log=$(pwd)/build/logs/$log_name.log
: >"$log"

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "bootstrap: run this as root, or install sudo" >&2
        exit 1
    fi
    sudo=(sudo)
fi

# shellcheck source=scripts/progress.sh
source scripts/progress.sh

# Runs one step with its output in the log and its progress on the terminal;
# on failure shows the log's end. COUNTER as in progress.sh.
step() {
    local title=$1 counter=$2
    shift 2
    echo "=== $title: $*" >>"$log"
    if ! run_with_progress bootstrap "$title" "$log" "$counter" "$@"; then
        echo "bootstrap: FAILED: $title; the end of $log:" >&2
        tail -n 25 "$log" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    step "updating the package lists" progress_count_none "${sudo[@]}" apt-get update
    step "installing ${#missing[@]} packages (${missing[*]}), log: $log" progress_count_apt \
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
else
    echo "bootstrap: all ${#packages[@]} packages are installed"
fi

# A bare Debian has only the C and POSIX locales.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    enable_locale() {
        if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
            sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
            echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
        fi
        locale-gen
    }
    if ((${#sudo[@]} > 0)); then
        step "generating the de_DE.UTF-8 locale" progress_count_none sudo bash -c \
            "$(declare -f enable_locale); enable_locale"
    else
        step "generating the de_DE.UTF-8 locale" progress_count_none enable_locale
    fi
fi
