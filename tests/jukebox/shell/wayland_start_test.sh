#!/usr/bin/env bash
# The jukebox on Qt's native Wayland platform, under a headless Weston: it must
# come up and show its face (the compositor hands its window a size and the
# window commits a picture to it), end within a second of SIGTERM, and save its
# settings with the stored places as they were (the compositor, not the
# jukebox, knows where the windows are). Skipped where Weston or Qt's Wayland
# platform is not installed.
# Usage: wayland_start_test.sh <velorine program>
set -euo pipefail
program=$1
tmp=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null
      [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null
      rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }

command -v weston >/dev/null || skip "weston is not installed"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || true)
if [ -n "$plugins" ] && ! ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1; then
  skip "Qt's Wayland platform (qt6-wayland) is not installed"
fi

mkdir -m 700 "$tmp/runtime"
mkdir -p "$tmp/home/.config/Quillamo" "$tmp/work"
socket=wayland-velorine-test
XDG_RUNTIME_DIR="$tmp/runtime" weston --backend=headless-backend.so --socket="$socket" \
  --idle-time=0 --no-config >"$tmp/weston.log" 2>&1 &
weston=$!
for _ in $(seq 1 200); do
  [ -S "$tmp/runtime/$socket" ] && break
  kill -0 "$weston" 2>/dev/null || break
  sleep 0.05
done
if [ ! -S "$tmp/runtime/$socket" ]; then
  cat "$tmp/weston.log" >&2
  skip "the headless Weston did not start"
fi

# Places from an X11 session, which a Wayland run must not lose: the face and
# the video window on a second monitor the compositor's screen does not reach.
conf="$tmp/home/.config/Quillamo/velorine.conf"
places=(MainX=2900 MainY=1800 PlayX=3100 PlayY=1500 CoverX=567 CoverY=78)
printf '[Settings]\n' >"$conf"
printf '%s\n' "${places[@]}" >>"$conf"

# WAYLAND_DEBUG: the protocol messages, to see the window shown. Away from the
# test run's session bus: a jukebox of another test may own the player's name.
env -u DISPLAY HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" \
    XDG_RUNTIME_DIR="$tmp/runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    VELORINE_WORK_DIR="$tmp/work" VELORINE_TIMING=1 WAYLAND_DEBUG=1 \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/velorine-test-bus \
    "$program" 2>"$tmp/err.log" &
pid=$!
for _ in $(seq 1 600); do
  grep -q '^velorine: list loaded' "$tmp/err.log" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
grep -q '^velorine: list loaded' "$tmp/err.log" || {
  grep -v '^\[' "$tmp/err.log" >&2 || true
  fail "velorine did not come up on Wayland"
}

# The face is an xdg toplevel titled Velorine, and its surface got a buffer
# (a picture) committed after the compositor configured it.
grep -q 'xdg_toplevel@[0-9]*\.set_title("Velorine")' "$tmp/err.log" ||
  fail "no toplevel titled Velorine"
grep -q 'xdg_toplevel@[0-9]*\.configure(' "$tmp/err.log" || fail "the compositor never configured it"
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$tmp/err.log" || fail "no picture was committed"

kill -TERM "$pid"
ended=0
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || { ended=1; break; }
  sleep 0.02
done
[ "$ended" = 1 ] || fail "velorine still ran a second after SIGTERM"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "velorine ended with status $status"

# Without the protocol lines, the run said nothing it should not have: no
# warnings from Qt about what Wayland cannot do.
if grep -v -e '^\[' -e '^velorine: list loaded' "$tmp/err.log" | grep -q .; then
  grep -v -e '^\[' -e '^velorine: list loaded' "$tmp/err.log" >&2
  fail "velorine printed more than it should on Wayland"
fi

# Saved: the keys the seed lacked are there now, the places as they were.
grep -q '^TlistsizeX=' "$conf" || fail "the settings were not saved"
for kept in "${places[@]}"; do
  grep -qx "$kept" "$conf" || fail "the stored place $kept was lost: $(grep -e X= -e Y= "$conf")"
done
echo "PASS"
