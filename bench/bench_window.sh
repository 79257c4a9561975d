#!/usr/bin/env bash
# How long the real window (offscreen) stalls its event loop while it scans the large
# synthetic home, selects all of a 2,000-row artefact list and cleans 500 items. Goal: no
# stall over 50 ms; aim: 16 ms (one frame).
set -euo pipefail
source "$(dirname "$0")/common.sh" "$1"
new_fixture
entries=${QUILLMERE_BENCH_ENTRIES:-200000}
"$fixture_tool" "$fixture/home" --entries "$entries" --idle-projects 2000 >/dev/null
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software XDG_CONFIG_HOME="$fixture/config" \
  "$build/bench/window-latency" --home "$fixture/home" --clean-items 500
