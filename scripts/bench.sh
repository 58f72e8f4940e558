#!/usr/bin/env bash
# Runs every benchmark of the native build (optimised) and prints its ratios.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/bootstrap.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null
found=0
for b in $(find build/native/bench -type f -perm -u+x -name 'bench_*' | sort); do
  found=1
  echo "== $(basename "$b")"
  "$b"
done
[ $found -eq 1 ] || echo "no benchmarks built"
