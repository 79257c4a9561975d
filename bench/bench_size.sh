#!/usr/bin/env bash
# Sizing: quillmere-cli size against du -sB1 over the same synthetic home, warm cache.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
new_fixture
entries=${QUILLMERE_BENCH_ENTRIES:-200000}
"$fixture_tool" "$fixture/home" --entries "$entries"

# Warm the cache, and check both tools see the same bytes of regular files.
du -sB1 "$fixture/home" >/dev/null
ours=$("$cli" size "$fixture/home" | cut -f1)
theirs=$(find "$fixture/home" -type f -printf '%i %b\n' | sort -u | awk '{s += $2 * 512} END {print s}')
[ "$ours" = "$theirs" ] || { echo "size disagrees: quillmere $ours, find $theirs"; exit 1; }

t_du=$(best_of 5 du -sB1 "$fixture/home")
t_qm=$(best_of 5 "$cli" size "$fixture/home")
echo "size of $entries entries: quillmere-cli ${t_qm}s, du -sB1 ${t_du}s, ratio $(ratio "$t_qm" "$t_du")x (goal <= 1.2x)"
