#!/usr/bin/env bash
# The whole instant scan and `size` over synthetic homes, against the reference tools
# in the same run over the same tree:
#   - warm page cache: `quillmere-cli scan` against `du -s` of the home plus `jdupes -r`
#     (and `rmlint`) over the folders the scan walks, with the scan's own 3 MiB floor for
#     duplicates; against `gdu` of the home; `quillmere-cli size` against `du -sB1`;
#   - cold (the page cache dropped before every run; needs root, skipped otherwise): the
#     scan against the floor (every entry stat'ed by 16 threads, bench/stat_floor.cpp),
#     `gdu` and `du -s`; `size` against `du -sB1`;
#   - with QUILLMERE_BENCH_BASELINE=/path/to/older/quillmere-cli, the scan against that
#     build's scan, warm and cold (the ratio of a change);
#   - the scan with 1, 2, 4, 8 and 16 threads, warm and cold;
#   - peak memory (maximum resident set size) of the scan.
# Each size prints its ratio to du, so growth with the number of entries shows.
#
#   QUILLMERE_BENCH_ENTRIES="200000 550000 2000000"   sizes to build (default 200000)
#   QUILLMERE_BENCH_RUNS=5                             runs per figure (medians are printed)
#   QUILLMERE_BENCH_SCALING=0                          skip the thread scaling
#   QUILLMERE_BENCH_JDUPES=0                           compare the warm scan with du alone
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
sizes=${QUILLMERE_BENCH_ENTRIES:-200000}
runs=${QUILLMERE_BENCH_RUNS:-5}
scaling=${QUILLMERE_BENCH_SCALING:-1}
new_fixture

# Wall seconds and peak memory (KiB) of one run of the command CMD_<name>, output
# discarded: "SECONDS KIB".
timed() {
  local -n argv="CMD_$1"
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$fixture/rss" "${argv[@]}" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo "$(echo "($end - $start) / 1000000000" | bc -l) $(tail -n1 "$fixture/rss")"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

can_drop=0
if [ -w /proc/sys/vm/drop_caches ] && sync && echo 3 >/proc/sys/vm/drop_caches 2>/dev/null; then can_drop=1; fi
drop() { sync; echo 3 >/proc/sys/vm/drop_caches; }
[ "$can_drop" = 1 ] || echo "cold runs skipped: the page cache cannot be dropped here (needs root)"

threads_flag=0
mkdir -p "$fixture/empty"
if "$cli" scan --threads 1 --home "$fixture/empty" --applications "$fixture/empty" >/dev/null 2>&1; then threads_flag=1; fi

# The commands, over the home $H.
commands() {
  CMD_scan=("$cli" scan --home "$H" --applications "$fixture/Applications")
  CMD_size=("$cli" size "$H")
  CMD_du_s=(du -s "$H")
  CMD_du_b=(du -sB1 "$H")
  # The folders the scan walks: those of the home that are neither hidden nor owned by
  # other workspaces (a macOS-layout Library, Snap's data).
  roots=()
  for dir in "$H"/*/; do
    dir=${dir%/}
    case ${dir##*/} in Library | snap) continue ;; esac
    [ -L "$dir" ] || roots+=("$dir")
  done
  CMD_dupes=(jdupes -r -q -X size+=:3M "${roots[@]}")
  CMD_rmlint=(rmlint -T df --size 3145728-1E -o fdupes:/dev/null "${roots[@]}")
  CMD_gdu=(gdu -n -p -x -s "$H")
  CMD_floor=("$floor_tool" "$H" 16)
  CMD_base=("${baseline:-true}" scan --home "$H" --applications "$fixture/Applications")
}
floor_tool="$build/bench/stat-floor"
[ -x "$floor_tool" ] || { echo "build first (make build): no stat-floor"; exit 2; }
baseline=${QUILLMERE_BENCH_BASELINE:-}
have_gdu=1
command -v gdu >/dev/null || { have_gdu=0; echo "gdu is not installed (apt-get install gdu): no gdu figures"; }
have_rmlint=1
command -v rmlint >/dev/null || { have_rmlint=0; echo "rmlint is not installed: no rmlint figures"; }
have_jdupes=${QUILLMERE_BENCH_JDUPES:-1}
if [ "$have_jdupes" = 1 ] && ! command -v jdupes >/dev/null; then
  have_jdupes=0
  echo "jdupes is not installed: the warm scan is compared with du alone"
fi

# Medians of alternating runs: "NAME=SECONDS ..." per command, plus the scan's peak.
# Usage: compare cold|warm NAME...
compare() {
  local mode=$1; shift
  local -A times
  local peak=0 r cmd t kib
  for ((r = 0; r < runs; r++)); do
    for cmd in "$@"; do
      [ "$mode" = cold ] && drop
      read -r t kib < <(timed "$cmd")
      times[$cmd]+="$t "
      if [ "$cmd" = scan ] && ((kib > peak)); then peak=$kib; fi
    done
  done
  for cmd in "$@"; do printf '%s=%s ' "$cmd" "$(echo "${times[$cmd]}" | tr ' ' '\n' | grep . | median)"; done
  echo "peak=$peak"
}
field() { echo "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }
r2() { printf '%.2f' "$(echo "$1 / $2" | bc -l)"; }
s3() { printf '%.3f' "$1"; }

mkdir -p "$fixture/Applications"
for entries in $sizes; do
  H="$fixture/home-$entries"
  echo "== home of about $entries entries (load $(load))"
  "$fixture_tool" "$H" --entries "$entries"
  sync
  commands

  # Same bytes as find counts for regular files, each inode once.
  "${CMD_du_b[@]}" >/dev/null
  ours=$("${CMD_size[@]}" | cut -f1)
  theirs=$(find "$H" -type f -printf '%i %b\n' | sort -u | awk '{s += $2 * 512} END {printf "%.0f\n", s}')
  [ "$ours" = "$theirs" ] || { echo "size disagrees: quillmere $ours, find $theirs"; exit 1; }
  "${CMD_scan[@]}" >/dev/null
  if [ "$threads_flag" = 1 ]; then
    "${CMD_scan[@]}" --threads 1 --json | grep -vE '"(availableBytes|usedBytes|usedRatio)"' >"$fixture/one.json"
    "${CMD_scan[@]}" --json | grep -vE '"(availableBytes|usedBytes|usedRatio)"' >"$fixture/many.json"
    cmp -s "$fixture/one.json" "$fixture/many.json" || { echo "1 thread and the default disagree"; exit 1; }
  fi

  warm=(scan du_s)
  [ "$have_jdupes" = 1 ] && warm+=(dupes)
  [ "$have_rmlint" = 1 ] && warm+=(rmlint)
  [ "$have_gdu" = 1 ] && warm+=(gdu)
  [ -n "$baseline" ] && warm+=(base)
  for cmd in "${warm[@]}"; do local_cmd="CMD_$cmd[@]"; "${!local_cmd}" >/dev/null 2>&1 || true; done
  w=$(compare warm "${warm[@]}")
  line="warm  scan $(s3 "$(field "$w" scan)")s | du -s $(s3 "$(field "$w" du_s)")s"
  if [ "$have_jdupes" = 1 ]; then
    reference=$(echo "$(field "$w" du_s) + $(field "$w" dupes)" | bc -l)
    line+=" + jdupes $(s3 "$(field "$w" dupes)")s | scan/(du + jdupes) $(r2 "$(field "$w" scan)" "$reference")"
  fi
  [ "$have_rmlint" = 1 ] && line+=" | rmlint $(s3 "$(field "$w" rmlint)")s"
  [ "$have_gdu" = 1 ] && line+=" | gdu $(s3 "$(field "$w" gdu)")s, scan/gdu $(r2 "$(field "$w" scan)" "$(field "$w" gdu)") (goal <= 1.0)"
  [ -n "$baseline" ] && line+=" | before $(s3 "$(field "$w" base)")s, after/before $(r2 "$(field "$w" scan)" "$(field "$w" base)")"
  echo "$line | scan/du $(r2 "$(field "$w" scan)" "$(field "$w" du_s)") | peak $(($(field "$w" peak) / 1024)) MiB (load $(load))"
  w=$(compare warm size du_b)
  echo "warm  size $(s3 "$(field "$w" size)")s | du -sB1 $(s3 "$(field "$w" du_b)")s | ratio $(r2 "$(field "$w" size)" "$(field "$w" du_b)") (load $(load))"

  if [ "$can_drop" = 1 ]; then
    cold=(scan floor du_s)
    [ "$have_gdu" = 1 ] && cold+=(gdu)
    [ -n "$baseline" ] && cold+=(base)
    c=$(compare cold "${cold[@]}")
    line="cold  scan $(s3 "$(field "$c" scan)")s | floor $(s3 "$(field "$c" floor)")s, scan/floor $(r2 "$(field "$c" scan)" "$(field "$c" floor)") (goal <= 1.3)"
    [ "$have_gdu" = 1 ] && line+=" | gdu $(s3 "$(field "$c" gdu)")s"
    [ -n "$baseline" ] && line+=" | before $(s3 "$(field "$c" base)")s, after/before $(r2 "$(field "$c" scan)" "$(field "$c" base)")"
    echo "$line | du -s $(s3 "$(field "$c" du_s)")s, scan/du $(r2 "$(field "$c" scan)" "$(field "$c" du_s)") | peak $(($(field "$c" peak) / 1024)) MiB (load $(load))"
    c=$(compare cold size du_b)
    echo "cold  size $(s3 "$(field "$c" size)")s | du -sB1 $(s3 "$(field "$c" du_b)")s | ratio $(r2 "$(field "$c" size)" "$(field "$c" du_b)") (goal <= 0.5) (load $(load))"
  fi

  if [ "$threads_flag" = 1 ] && [ "$scaling" = 1 ]; then
    for t in 1 2 4 8 16; do
      CMD_scan_t=("${CMD_scan[@]}" --threads "$t")
      w=$(compare warm scan_t)
      line="threads $(printf '%2d' "$t"): warm $(s3 "$(field "$w" scan_t)")s"
      if [ "$can_drop" = 1 ]; then
        c=$(compare cold scan_t)
        line+=", cold $(s3 "$(field "$c" scan_t)")s"
      fi
      echo "$line (load $(load))"
    done
  fi
  rm -rf "$H"
done
