#!/usr/bin/env bash
# Wall time of `wannianli --snapshot` (start to PNG written, target 300 ms) with hyperfine, and the
# process's peak memory with /usr/bin/time -v.
#   bench/app/snapshot_wall_time.sh [build/bin/wannianli]
set -euo pipefail
program=${1:-"$(dirname "$0")/../../build/bin/wannianli"}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export WANNIANLI_NO_POWEROFF=1
hyperfine --warmup 3 --runs 30 "$program --today 2015-02-19 --snapshot $out/snapshot.png"
if [ -x /usr/bin/time ]; then
  /usr/bin/time -v "$program" --today 2015-02-19 --snapshot "$out/snapshot.png" 2>&1 |
    grep -E "Maximum resident set size|Elapsed \(wall clock\)"
fi
