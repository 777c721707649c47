#!/usr/bin/env bash
# Installs the build tree into a fresh prefix and starts the installed jukebox
# from a home that has never seen it: it must prepare its working folder from
# the installed data, come up, and close cleanly on SIGTERM.
# Usage: install_test.sh <build folder>
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/velorine bin/pellimorph bin/marlowisp \
            share/velorine/audio.flt share/velorine/video.flt \
            share/velorine/skins/XPAqua/spec.txt share/velorine/skins/Ember.vlz \
            share/applications/velorine.desktop share/applications/marlowisp.desktop \
            share/man/man1/pellimorph.1; do
  [ -s "$prefix/$file" ] || fail "$file was not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  for program in velorine marlowisp; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png
    [ -s "$icon" ] || fail "no ${size}px icon for $program"
  done
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/velorine.desktop" \
                        "$prefix/share/applications/marlowisp.desktop" \
    || fail "a launcher does not validate"
fi
grep -q '^Exec=velorine %F$' "$prefix/share/applications/velorine.desktop" \
  || fail "the launcher does not pass the files"
{ "$prefix/bin/pellimorph" || true; } | grep -q '^Syntax: Pellimorph' || fail "pellimorph does not run"

# The first start, from a home without a working folder, away from the test
# run's session bus: a jukebox of another test may own the player's name there.
home=$tmp/home
mkdir -p "$home"
cd "$home"
env -u XDG_DATA_HOME -u VELORINE_WORK_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    QT_QPA_PLATFORM=offscreen VELORINE_AUDIO_SINK=fakesink \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/velorine-test-bus \
    "$prefix/bin/velorine" &
pid=$!
# Ready once it catches SIGTERM (bit 15 of SigCgt).
ready=0
for _ in $(seq 1 400); do
  caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  if (( (16#${caught:-0} >> 14) & 1 )); then ready=1; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
[ "$ready" = 1 ] || fail "the installed velorine did not come up"
work=$home/.local/share/velorine
for file in audio.flt video.flt default.trk default.dic skins/XPAqua/spec.txt skins/Ember.vlz; do
  [ -e "$work/$file" ] || fail "the working folder lacks $file"
done
cmp -s "$work/skins/Ember.vlz" "$prefix/share/velorine/skins/Ember.vlz" \
  || fail "the skin was not copied from the install"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "velorine ended with $status after SIGTERM"
grep -q '^Skinname=XP Aqua$' "$home/.config/Quillamo/velorine.conf" \
  || fail "the settings were not saved"
echo "install test passed"
