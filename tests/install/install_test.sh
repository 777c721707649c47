#!/usr/bin/env bash
# Installs the build tree into a fresh prefix and starts the installed jukebox
# from a home that has never seen it: it must prepare its working folder from
# the installed data, come up, and close cleanly on SIGTERM. Then installs into a
# home's ~/.local, whose share folder is the working folder itself: installing
# again, and starting again, must keep every data file the user changed there.
# Usage: install_test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the jukebox of prefix in home (away from the test run's session bus: a
# jukebox of another test may own the player's name there), waits until it is up
# and ends it with SIGTERM.
start_and_stop() {
  local prefix=$1 home=$2
  cd "$home"
  env -u XDG_DATA_HOME -u VELORINE_WORK_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" \
      QT_QPA_PLATFORM=offscreen VELORINE_AUDIO_SINK=fakesink \
      DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/velorine-test-bus \
      "$prefix/bin/velorine" &
  pid=$!
  # Ready once the jukebox itself (not the shell before it) catches SIGTERM (bit
  # 15 of SigCgt).
  local ready=0 caught
  for _ in $(seq 1 400); do
    caught=0
    if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$prefix/bin/velorine" ]; then
      caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    fi
    if (( (16#${caught:-0} >> 14) & 1 )); then ready=1; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  [ "$ready" = 1 ] || fail "the installed velorine did not come up"
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "velorine ended with $status after SIGTERM"
}

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

shipped=share/velorine/shipped
for file in bin/velorine bin/pellimorph bin/marlowisp \
            $shipped/audio.flt $shipped/video.flt \
            $shipped/skins/XPAqua/spec.txt $shipped/skins/Ember.vlz \
            share/applications/velorine.desktop share/applications/marlowisp.desktop \
            share/man/man1/velorine.1 share/man/man1/pellimorph.1 share/man/man1/marlowisp.1 \
            share/metainfo/velorine.metainfo.xml share/metainfo/marlowisp.metainfo.xml; do
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

# The first start, from a home without a working folder.
home=$tmp/home
mkdir -p "$home"
start_and_stop "$prefix" "$home"
work=$home/.local/share/velorine
for file in audio.flt video.flt default.trk default.dic skins/XPAqua/spec.txt skins/Ember.vlz; do
  [ -e "$work/$file" ] || fail "the working folder lacks $file"
done
cmp -s "$work/skins/Ember.vlz" "$prefix/$shipped/skins/Ember.vlz" \
  || fail "the skin was not copied from the install"
grep -q '^Skinname=XP Aqua$' "$home/.config/Quillamo/velorine.conf" \
  || fail "the settings were not saved"

# Installed into ~/.local: the working folder is the install's share folder.
user=$tmp/user
mkdir -p "$user"
local_prefix=$user/.local
cmake --install "$build" --prefix "$local_prefix" >/dev/null
start_and_stop "$local_prefix" "$user"
work=$local_prefix/share/velorine
[ -s "$work/audio.flt" ] || fail "the working folder in ~/.local was not prepared"
# The user changes the audio list and a shipped skin's description.
printf 'flac\r\nmp3\r\n' > "$work/audio.flt"
sed -i 's/^Polished aluminium/Brushed aluminium/' "$work/skins/XPAqua/spec.txt"
cp "$work/skins/XPAqua/spec.txt" "$tmp/changed-spec.txt"
# A newer install: the same files, and one skin file the user did not touch
# changed (a pixel of its picture).
cmake --install "$build" --prefix "$local_prefix" >/dev/null
picture=$local_prefix/$shipped/skins/XPAqua/m_pm.bmp
size=$(stat -c %s "$picture")
printf '\x5a' | dd of="$picture" bs=1 seek=$((size - 1)) conv=notrunc status=none
[ "$(cat "$work/audio.flt")" = "$(printf 'flac\r\nmp3\r\n')" ] \
  || fail "installing again replaced the audio list the user changed"
cmp -s "$work/skins/XPAqua/spec.txt" "$tmp/changed-spec.txt" \
  || fail "installing again replaced the skin file the user changed"
start_and_stop "$local_prefix" "$user"
[ "$(cat "$work/audio.flt")" = "$(printf 'flac\r\nmp3\r\n')" ] \
  || fail "a start replaced the audio list the user changed"
cmp -s "$work/skins/XPAqua/spec.txt" "$tmp/changed-spec.txt" \
  || fail "a start replaced the skin file the user changed"
cmp -s "$work/skins/XPAqua/m_pm.bmp" "$picture" \
  || fail "a start did not bring the untouched skin file up to date"
echo "install test passed"
