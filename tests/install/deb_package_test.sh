#!/usr/bin/env bash
# Builds the Debian package with cpack (or takes the one in the build folder when
# nothing it is made of changed since), checks its metadata and contents, unpacks
# it into a scratch root and runs the unpacked converter from there: the programs
# must need nothing of the build tree. Exits 77 (skipped) without dpkg-deb.
# Usage: deb_package_test.sh <build folder> <source folder> <version>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb is missing: no Debian package to check"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

deb=$build/velorine_${version}_$(dpkg --print-architecture).deb
# What goes into the package: the programs, the shipped skins and icons the build
# draws, the data files, and the install and packaging rules.
inputs=("$build/jukebox/shell/velorine" "$build/converter/pellimorph"
        "$build/batchtagger/marlowisp" "$build/work" "$build/icons" "$build/CPackConfig.cmake"
        "$source/data" "$source/cmake/Packaging.cmake")
if [ ! -s "$deb" ] || [ -n "$(find "${inputs[@]}" -newer "$deb" -print -quit)" ] ||
   [ -n "$(find "$build" -name cmake_install.cmake -newer "$deb" -print -quit)" ]; then
  echo "building $deb"
  (cd "$build" && cpack -G DEB >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
  [ -s "$deb" ] || fail "cpack did not write $deb"
fi

# The metadata: the libraries found by dpkg-shlibdeps and the packages the
# programs load at run time.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velorine ] || fail "the package is named '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package's version is '$(field Version)'"
[ -n "$(field Maintainer)" ] || fail "the package names no maintainer"
depends=", $(field Depends),"
for package in libqt6widgets6 libgstreamer1.0-0 'libicu[0-9]+' libc6 \
               gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly \
               gstreamer1.0-libav qt6-qpa-plugins fonts-wqy-microhei; do
  grep -Eq ", $package( \([^)]*\))?," <<<"$depends" || fail "Depends lacks $package: $depends"
done

# The contents: everything under /usr, owned by root, and the files users need.
dpkg-deb -c "$deb" >"$tmp/contents"
awk '$2 != "root/root"' "$tmp/contents" | grep . && fail "files not owned by root"
awk '{print $6}' "$tmp/contents" | grep -Ev '^\./(usr/.*)?$' && fail "files outside /usr"
paths=$(awk '{print $6}' "$tmp/contents")
for file in bin/velorine bin/pellimorph bin/marlowisp \
            share/applications/velorine.desktop share/applications/marlowisp.desktop \
            share/man/man1/velorine.1 share/man/man1/pellimorph.1 share/man/man1/marlowisp.1 \
            share/metainfo/velorine.metainfo.xml share/metainfo/marlowisp.metainfo.xml \
            share/velorine/shipped/audio.flt share/velorine/shipped/video.flt \
            share/velorine/shipped/skins/XPAqua/spec.txt share/velorine/shipped/skins/Ember.vlz \
            share/icons/hicolor/48x48/apps/velorine.png share/icons/hicolor/48x48/apps/marlowisp.png; do
  grep -qx "\./usr/$file" <<<"$paths" || fail "the package lacks /usr/$file"
done

# Unpacked into a scratch root, the programs find every library on the system and
# none in the build tree; the converter runs.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
for program in velorine pellimorph marlowisp; do
  binary=$root/usr/bin/$program
  [ -x "$binary" ] || fail "$program is not executable"
  if readelf -d "$binary" | grep -E 'R(UN)?PATH'; then
    fail "$program carries a library search path"
  fi
  ldd "$binary" | grep 'not found' && fail "$program lacks a library"
done
out=$(env -u LD_LIBRARY_PATH "$root/usr/bin/pellimorph" --help || true)
grep -q '^Syntax: Pellimorph' <<<"$out" || fail "the unpacked pellimorph does not run: $out"

# The software centres' descriptions are valid and launch the packaged launchers.
for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" || fail "$(basename "$metainfo") does not validate"
  launcher=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -s "$root/usr/share/applications/$launcher" ] \
    || fail "$(basename "$metainfo") launches '$launcher', which is not in the package"
done
echo "package test passed: $deb"
