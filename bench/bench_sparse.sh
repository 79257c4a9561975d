#!/usr/bin/env bash
# Sparse duplicates: two 1 TiB disk images with the same few MiB of data at the start,
# the middle and the end, and holes everywhere else; `quillmere-cli phase media` must
# find them as one group by reading their data only. The reference does the same reading:
# `cp --sparse=always` of both twins (it skips holes with SEEK_DATA/SEEK_HOLE).
# Goal: well under a second, and a ratio near 1 rather than a terabyte of reads.
# Usage: bench_sparse.sh BUILD_DIR   (best of QUILLMERE_BENCH_RUNS warm runs, default 5)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
runs=${QUILLMERE_BENCH_RUNS:-5}
size=${QUILLMERE_BENCH_SPARSE_SIZE:-1T}

new_fixture
home="$fixture/home"
mkdir -p "$home/Downloads" "$home/Documents" "$fixture/copies"
blob="$fixture/blob"
head -c $((4 * 1048576)) /dev/urandom >"$blob"
twins=("$home/Downloads/disk.img" "$home/Documents/disk-copy.img")
for twin in "${twins[@]}"; do
  truncate -s "$size" "$twin"
  bytes=$(stat -c %s "$twin")
  dd if="$blob" of="$twin" conv=notrunc status=none
  dd if="$blob" of="$twin" bs=1M seek=$((bytes / 2 / 1048576)) conv=notrunc status=none
  dd if="$blob" of="$twin" bs=1M seek=$((bytes / 1048576 - 4)) conv=notrunc status=none
done
if [ "$(stat -c %b "${twins[0]}")" -gt $((64 * 2048)) ]; then
  echo "the file system under /var/tmp keeps no holes; skipped"
  exit 0
fi
echo "twins: $(stat -c %s "${twins[0]}") bytes each, $(($(stat -c %b "${twins[0]}") * 512)) allocated"

quillmere() { "$cli" phase media --json --home "$home"; }
reference() { for twin in "${twins[@]}"; do cp --sparse=always "$twin" "$fixture/copies/"; done; }

groups=$(quillmere | grep -c '"id": "dup-' || true)
echo "duplicate groups found: $groups (expected 1)"
quillmere >/dev/null; reference >/dev/null # warm the page cache
q=$(best_of "$runs" quillmere)
r=$(best_of "$runs" reference)
echo "quillmere-cli phase media : ${q} s  (goal: under 1 s)"
echo "cp --sparse=always, twice : ${r} s"
echo "time ratio quillmere/cp: $(ratio "$q" "$r") (best of $runs, warm cache)"
