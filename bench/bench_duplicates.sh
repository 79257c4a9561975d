#!/usr/bin/env bash
# Duplicate detection: `quillmere-cli phase media` against `jdupes -r` over the same
# four folders, both limited to files of at least 3 MiB, on a warm page cache.
# Prints wall times, their ratio, and the bytes each tool read (rchar of /proc/PID/io,
# which a waiting parent inherits from its children).
#
# The home holds many same-size files that differ in their first bytes, same-size
# files that share their head but differ in the tail, and real sets of three copies
# spread over Desktop, Downloads, Movies and Documents.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
runs=${QUILLMERE_BENCH_RUNS:-5}
unique_count=${QUILLMERE_BENCH_DUP_UNIQUE:-300} # 4 MiB each, distinct heads
tail_count=${QUILLMERE_BENCH_DUP_TAILS:-100}    # 5 MiB each, same head, distinct tails
set_count=${QUILLMERE_BENCH_DUP_SETS:-25}       # sets of three 6 MiB copies (under the 30-group cap)
small_count=${QUILLMERE_BENCH_DUP_SMALL:-2000}  # small files both tools walk past

if ! command -v jdupes >/dev/null; then
  echo "jdupes is not installed; skipped"
  exit 0
fi

new_fixture
root=$fixture
home="$root/home"
MiB=1048576
roots=(Desktop Downloads Movies Documents)

blob="$root/blob"
head -c $((8 * MiB)) /dev/urandom >"$blob"

# Files built from one random blob with a 32-byte tag at the head or at the tail.
head_tagged() { mkdir -p "$(dirname "$1")"; { printf '%032d' "$3"; head -c $(($2 - 32)) "$blob"; } >"$1"; }
tail_tagged() { mkdir -p "$(dirname "$1")"; { head -c $(($2 - 32)) "$blob"; printf '%032d' "$3"; } >"$1"; }

echo "building fixture under $root ..."
for ((i = 0; i < unique_count; i++)); do
  head_tagged "$home/${roots[i % 4]}/unique/d$((i % 7))/u$i.bin" $((4 * MiB)) "$i"
done
for ((i = 0; i < tail_count; i++)); do
  tail_tagged "$home/${roots[i % 4]}/tails/t$i.dat" $((5 * MiB)) "$i"
done
for ((i = 0; i < set_count; i++)); do
  first="$home/${roots[i % 4]}/sets/s$i/original.mov"
  head_tagged "$first" $((6 * MiB)) $((100000 + i))
  for copy in 1 2; do
    dest="$home/${roots[(i + copy) % 4]}/copies/c$copy/set$i.mov"
    mkdir -p "$(dirname "$dest")"
    cp "$first" "$dest"
  done
done
mkdir -p "$home/Documents/notes"
for ((i = 0; i < small_count; i++)); do
  printf 'note %d\n' "$i" >"$home/Documents/notes/n$i.txt"
done
rm -f "$blob"
du -sh "$home" | sed 's/^/fixture: /'

folders=()
for r in "${roots[@]}"; do folders+=("$home/$r"); done

quillmere() { "$cli" phase media --json --home "$home"; }
reference() { jdupes -r -q -X size+=:3M "${folders[@]}"; }

# Runs a function in a child shell; prints "seconds rchar".
measure() {
  local start end io
  start=$(date +%s%N)
  io=$(bash -c "$(declare -f "$1"); $(declare -p cli home folders); $1 >/dev/null 2>&1; grep '^rchar' /proc/\$\$/io")
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) ${io#rchar: }"
}

best() { # function → best wall time in µs and the rchar of that run
  local best_us= best_io= us io
  for ((r = 0; r < runs; r++)); do
    read -r us io < <(measure "$1")
    if [[ -z $best_us || $us -lt $best_us ]]; then best_us=$us; best_io=$io; fi
  done
  echo "$best_us $best_io"
}

# Same answer first: both must find every set.
ours_sets=$(quillmere | grep -c '"id": "dup-' || true)
ref_sets=$(reference | awk 'BEGIN { RS = "" } END { print NR }')
echo "duplicate sets found: quillmere $ours_sets, jdupes $ref_sets (expected $set_count)"

quillmere >/dev/null; reference >/dev/null # warm the page cache
read -r q_us q_io < <(best quillmere)
read -r j_us j_io < <(best reference)

candidates=$((unique_count + tail_count + 3 * set_count))
floor=$((candidates * 65536 + 3 * set_count * 6 * MiB))
awk -v q="$q_us" -v j="$j_us" -v qi="$q_io" -v ji="$j_io" -v f="$floor" -v n="$runs" 'BEGIN {
  printf "quillmere-cli phase media : %8.3f s  read %8.1f MiB\n", q / 1e6, qi / 1048576
  printf "jdupes -r (>= 3 MiB)      : %8.3f s  read %8.1f MiB\n", j / 1e6, ji / 1048576
  printf "needed (64 KiB per candidate + full reads of true copies): %.1f MiB\n", f / 1048576
  printf "time ratio quillmere/jdupes: %.2f (best of %d, warm cache)\n", q / j, n
  printf "bytes ratio quillmere/jdupes: %.2f\n", qi / ji
}'
