#!/usr/bin/env bash
# How long the real window takes to answer a window manager's _NET_WM_PING under Xvfb,
# while it starts, scans the large synthetic home, rescans, cleans 500 items and switches
# language: the stall a person feels, measured from outside the process. Runs twice: with
# Qt Quick's software renderer and with Mesa's software OpenGL (llvmpipe), the two ways a
# desktop without GPU acceleration draws. Goal: no ping over 100 ms.
set -euo pipefail
source "$(dirname "$0")/common.sh" "$1"
ping_tool="$build/bench/window-ping"
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (apt-get install xvfb): skipped"; exit 0; }
[ -x "$ping_tool" ] || { echo "window-ping was not built (libxcb1-dev missing): skipped"; exit 0; }
new_fixture
entries=${QUILLMERE_BENCH_ENTRIES:-200000}
"$fixture_tool" "$fixture/home" --entries "$entries" --idle-projects 2000 >/dev/null
cp -a "$fixture/home" "$fixture/pristine"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$fixture" "$QUILLMERE_LOCK_DIR"' EXIT
sleep 1

# Prints, per phase, the longest round trip and how many pings took over 100 ms.
summarise() { # phases pings
  awk 'FNR == NR { if ($1 !~ /^#/) { start[NR] = $1; end[NR] = $2; $1 = $2 = ""; name[NR] = substr($0, 3); n = NR }; next }
       $1 !~ /^#/ { for (i = 1; i <= n; ++i) if ($1 >= start[i] && $1 <= end[i]) {
                      if ($2 > worst[i]) worst[i] = $2; if ($2 > 100) ++over[i]; ++count[i] } }
       END { for (i = 1; i <= n; ++i)
               printf "  %-36s longest ping %7.1f ms   over 100 ms: %3d of %d\n", name[i], worst[i], over[i], count[i] }' "$1" "$2"
}

for backend in software opengl; do
  rm -rf "$fixture/home" "$fixture/config" "$fixture/cache"
  cp -a "$fixture/pristine" "$fixture/home"
  echo "Qt Quick renderer: $backend"
  renderer=(-u QT_QUICK_BACKEND)
  [ "$backend" = software ] && renderer=(QT_QUICK_BACKEND=software)
  env "${renderer[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1 \
    XDG_CONFIG_HOME="$fixture/config" XDG_CACHE_HOME="$fixture/cache" \
    "$build/bench/window-latency" --home "$fixture/home" --clean-items 500 --phase-log "$fixture/phases" \
    > "$fixture/latency" &
  app=$!
  DISPLAY="$display" "$ping_tool" --pid "$app" --out "$fixture/pings" &
  pinger=$!
  wait "$app"
  kill "$pinger" 2>/dev/null || true
  wait "$pinger" 2>/dev/null || true
  sed 's/^/  in-process: /' "$fixture/latency"
  head -1 "$fixture/pings" | sed 's/^# /  /'
  summarise "$fixture/phases" "$fixture/pings"
done
