# Shared by the bench_*.sh scripts: timing helpers and the fixture's lifetime.
# Usage: source "$(dirname "$0")/common.sh" "$build"

build=$1
cli="$build/src/Cli/quillmere-cli"
fixture_tool="$build/bench/make-fixture"
[ -x "$cli" ] && [ -x "$fixture_tool" ] || { echo "build first (make build)"; exit 2; }

# A fresh fixture folder under /var/tmp, removed when the script ends.
new_fixture() {
  fixture=$(mktemp -d /var/tmp/quillmere-bench-XXXXXX)
  # A clean's per-user lock lives beside the fixture, away from the user's own.
  QUILLMERE_LOCK_DIR=$(mktemp -d /var/tmp/quillmere-bench-lock-XXXXXX)
  export QUILLMERE_LOCK_DIR
  trap 'rm -rf "$fixture" "$QUILLMERE_LOCK_DIR"' EXIT
}

# Best of N wall times of a command, in seconds (output discarded).
best_of() {
  local runs=$1; shift
  local best=""
  for _ in $(seq "$runs"); do
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done
  printf '%.4f' "$best"
}

ratio() { printf '%.2f' "$(echo "$1 / $2" | bc -l)"; }
