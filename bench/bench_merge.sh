#!/usr/bin/env bash
# Copies merged in place on btrfs, and what reading extents costs a scan there.
#
# 1. A 2 GiB duplicate set (10 files of 24 MiB, each with eight plain copies) on a fresh
#    loop-mounted btrfs image: `quillmere-cli clean --what duplicates --merge --yes`
#    (scan included) against `duperemove -dr` on the same image, the set made anew
#    before each run. Prints wall times, their ratio and the space each freed.
# 2. The scan of a bench home on the same image with extents read, against the same
#    scan with reading them turned off (QUILLMERE_NO_EXTENTS=1), best of N each.
# Needs root (loop mounts), mkfs.btrfs and duperemove; skips without them.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
runs=${QUILLMERE_BENCH_RUNS:-3}
# Under the large-file size (a large file's copy is not preselected) and within the
# 30-group cap: sets of several copies.
files=${QUILLMERE_BENCH_MERGE_FILES:-10}
copies=${QUILLMERE_BENCH_MERGE_COPIES:-8}
file_mib=${QUILLMERE_BENCH_MERGE_MIB:-24}
entries=${QUILLMERE_BENCH_MERGE_ENTRIES:-100000}

if [ "$(id -u)" -ne 0 ] || ! command -v mkfs.btrfs >/dev/null || ! command -v duperemove >/dev/null; then
  echo "needs root, mkfs.btrfs and duperemove; skipped"
  exit 0
fi

new_fixture
image="$fixture/image"
mnt="$fixture/mnt"
mkdir -p "$mnt"
truncate -s 8G "$image"
mkfs.btrfs -q "$image" >/dev/null 2>&1
mount -o loop "$image" "$mnt"
trap 'umount "$mnt" 2>/dev/null || umount -l "$mnt"; rm -rf "$fixture" "$QUILLMERE_LOCK_DIR"' EXIT

MiB=1048576
blob="$fixture/blob"
head -c $((file_mib * MiB)) /dev/urandom >"$blob"
home="$mnt/home"

available() { btrfs filesystem sync "$mnt" >/dev/null; stat -f -c '%a*%S' "$mnt" | bc; }

# The set: each original tagged at its head so the sets differ, each copy a plain copy.
make_set() {
  rm -rf "$home"
  mkdir -p "$home/Downloads"
  for ((i = 0; i < files; i++)); do
    { printf '%032d' "$i"; tail -c +33 "$blob"; } >"$home/Downloads/set$i.bin"
    for ((c = 0; c < copies; c++)); do
      mkdir -p "$home/Documents/archive$c"
      cp --reflink=never "$home/Downloads/set$i.bin" "$home/Documents/archive$c/set$i.bin"
    done
  done
  sync
}

timed() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

best_ours="" best_theirs="" freed_ours=0 freed_theirs=0
for _ in $(seq "$runs"); do
  make_set
  before=$(available)
  t=$(timed "$cli" clean --what duplicates --merge --yes --home "$home")
  freed_ours=$(($(available) - before))
  if [ -z "$best_ours" ] || [ "$(echo "$t < $best_ours" | bc -l)" = 1 ]; then best_ours=$t; fi

  make_set
  before=$(available)
  t=$(timed duperemove -dr -q "$home")
  freed_theirs=$(($(available) - before))
  if [ -z "$best_theirs" ] || [ "$(echo "$t < $best_theirs" | bc -l)" = 1 ]; then best_theirs=$t; fi
done
echo "merge of $((files * (copies + 1))) files, $((files * file_mib * (copies + 1))) MiB (best of $runs):"
printf '  quillmere-cli clean --merge  %.3f s  freed %d MiB\n' "$best_ours" $((freed_ours / MiB))
printf '  duperemove -dr               %.3f s  freed %d MiB\n' "$best_theirs" $((freed_theirs / MiB))
echo "  ratio quillmere/duperemove: $(ratio "$best_ours" "$best_theirs")"

# The scan with and without reading extents, on a bench home on btrfs.
rm -rf "$home"
"$fixture_tool" "$home" --entries "$entries" >/dev/null
sync
with=$(best_of "$runs" "$cli" scan --json --home "$home")
without=$(export QUILLMERE_NO_EXTENTS=1; best_of "$runs" "$cli" scan --json --home "$home")
echo "scan of a $entries-entry home on btrfs (best of $runs):"
echo "  with extents read     ${with} s"
echo "  without               ${without} s"
echo "  ratio with/without: $(ratio "$with" "$without")"
