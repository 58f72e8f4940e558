#!/usr/bin/env bash
# Runs the benchmarks of the native build (optimised) and prints their ratios:
# every one, or only those whose name contains the argument
# (scripts/bench.sh scanning: the band copy and the scan over a pty).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
filter=${1:-}
scripts/bootstrap.sh >/dev/null
cmake --preset native >/dev/null
if [ -n "$filter" ]; then
  targets=$(cmake --build --preset native --target help |
            sed -n 's/^\(bench_[A-Za-z0-9_]*\): phony$/\1/p' | grep -F -- "$filter" || true)
  [ -n "$targets" ] || { echo "no benchmark named like $filter"; exit 1; }
  # shellcheck disable=SC2086
  cmake --build --preset native --target $targets >/dev/null
else
  cmake --build --preset native >/dev/null
fi
found=0
for b in $(find build/native/bench -type f -perm -u+x -name 'bench_*' | sort); do
  case "$(basename "$b")" in *"$filter"*) ;; *) continue ;; esac
  found=1
  echo "== $(basename "$b")"
  "$b"
done
[ $found -eq 1 ] || echo "no benchmarks built"
