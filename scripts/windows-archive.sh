#!/usr/bin/env bash
# Makes the Windows archive of the batch command: cross-builds skyloom-cli.exe
# with the "windows" preset (MinGW-w64) and zips it with the DLLs it needs
# beyond Windows' own (none while it is linked statically), AC.dat, the
# performance files, the sample navigation database, a README for Windows
# users and SHA256SUMS.txt over all of them. Prints the archive's path as its
# last line.
#   scripts/windows-archive.sh
# The archive is build-win/packages/skyloom-VERSION-windows-x64.zip, with
# skyloom-VERSION-windows-x64.zip.sha256 beside it; it unpacks into one
# folder of the same name, which is the program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)

cmake --preset windows >/dev/null
cmake --build --preset windows --target skyloom-cli

# The project version, from the one place it is set.
version=$(sed -n 's/^project(Skyloom VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [[ -z "$version" ]]; then
    echo "windows-archive: no version in CMakeLists.txt" >&2
    exit 1
fi
name=skyloom-$version-windows-x64
out=$source_dir/build-win/packages
folder=$out/$name
rm -rf "$out"
mkdir -p "$folder/navdata-sample"

exe=$source_dir/build-win/bin/skyloom-cli.exe
# Without the debugging information of the RelWithDebInfo build: a tenth of the size.
x86_64-w64-mingw32-strip -o "$folder/skyloom-cli.exe" "$exe"
# DLLs the executable imports that come with MinGW rather than Windows.
mingw_dirs=(/usr/x86_64-w64-mingw32/lib /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
    for dir in "${mingw_dirs[@]}"; do
        if [[ -f "$dir/$dll" ]]; then
            cp "$dir/$dll" "$folder/"
            break
        fi
    done
done
cp data/program/* "$folder/"
cp data/navdata-sample/{airports.dat,fmc_ident.txt,wpNavAPT.txt,wpNavRTE.txt} \
    "$folder/navdata-sample/"
# Windows users read it in Notepad: CR LF line ends.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' data/windows/README.txt >"$folder/README.txt"
(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs sha256sum) \
    >"$out/SHA256SUMS.txt"
mv "$out/SHA256SUMS.txt" "$folder/"

(cd "$out" && zip -qrX "$name.zip" "$name" && sha256sum "$name.zip" >"$name.zip.sha256")
rm -rf "$folder"
echo "$out/$name.zip"
