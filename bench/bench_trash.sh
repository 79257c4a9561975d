#!/usr/bin/env bash
# A large Trash: `quillmere-cli scan` on a home whose Trash holds many top-level entries
# (default 1,000,000) against `du -s` over the same Trash, which lists and measures
# every entry once as the scan must. The scan lists and measures the Trash once when it
# begins (for the overview and for what it may offer) and reads every entry's info file;
# the goal is under 10 s in all and a ratio that stays the same as the Trash grows
# (linear, like du).
# Usage: bench_trash.sh BUILD_DIR   (best of QUILLMERE_BENCH_RUNS warm runs, default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
runs=${QUILLMERE_BENCH_RUNS:-3}
entries=${QUILLMERE_BENCH_TRASH_ENTRIES:-1000000}

new_fixture
home="$fixture/home"
trash="$home/.local/share/Trash/files"
echo "building a Trash of $entries entries under $fixture ..."
"$fixture_tool" "$home" --trash-entries "$entries"

quillmere() { "$cli" scan --home "$home" --quiet; }
reference() { du -s "$trash"; }

quillmere >/dev/null; reference >/dev/null # warm the caches
q=$(best_of "$runs" quillmere)
r=$(best_of "$runs" reference)
echo "quillmere-cli scan : ${q} s  (goal: under 10 s)"
echo "du -s Trash/files  : ${r} s"
echo "time ratio quillmere/du: $(ratio "$q" "$r") (best of $runs, warm cache)"
