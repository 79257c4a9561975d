#!/usr/bin/env bash
# How long the real window (offscreen) stalls its event loop while it scans the large
# synthetic home, selects all of a 2,000-row artefact list, cleans 500 items and inspects a
# 100-megapixel photo and 4 GB videos (sparse: a short clip followed by a hole). Goal: no
# stall over 50 ms; aim: 16 ms (one frame).
set -euo pipefail
source "$(dirname "$0")/common.sh" "$1"
new_fixture
entries=${QUILLMERE_BENCH_ENTRIES:-200000}
"$fixture_tool" "$fixture/home" --entries "$entries" --idle-projects 2000 >/dev/null
mkdir -p "$fixture/media"
for container in mov mkv; do
  case $container in
    mov) encode="jpegenc ! qtmux" ;;
    mkv) encode="vp8enc deadline=1 ! matroskamux" ;;
  esac
  # shellcheck disable=SC2086 # the encoder is a list of pipeline words
  gst-launch-1.0 -q videotestsrc num-buffers=300 pattern=smpte ! video/x-raw,width=640,height=360,framerate=30/1 \
    ! $encode ! filesink location="$fixture/media/big.$container"
  truncate -s 4G "$fixture/media/big.$container"
done
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software XDG_CONFIG_HOME="$fixture/config" \
  XDG_CACHE_HOME="$fixture/cache" \
  "$build/bench/window-latency" --home "$fixture/home" --clean-items 500 --media "$fixture/media"
