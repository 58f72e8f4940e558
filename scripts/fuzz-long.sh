#!/usr/bin/env bash
# fuzz-long.sh [MINUTES]: a long campaign of every fuzz target, one after the
# other, for MINUTES each (10 by default), from its corpus and initial inputs.
# Prints per target the executions, libFuzzer's coverage (cov: edges, ft:
# features) and the findings, whose inputs stay in build/fuzz-long/TARGET/.
# Not part of the test command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
minutes=${1:-10}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
printf '%-22s %12s %7s %8s  %s\n' target executions cov ft findings
status=0
for fuzzer in $(find build/fuzz/fuzz -mindepth 2 -maxdepth 2 -type f -perm -u+x | sort); do
  name=$(basename "$fuzzer")
  out=build/fuzz-long/$name
  rm -rf "$out"
  mkdir -p "$out"
  (cd "$out" && "$root/fuzz/run_fuzzer.sh" "$root/$fuzzer" "$root/$(dirname "$fuzzer")/${name}_corpus" \
     "$root/fuzz/inputs/$name" -1 $((minutes * 60)) >log 2>&1) || true
  # The last status line: "#EXECUTIONS ... cov: N ft: N ...".
  last=$(grep -E '^#[0-9]+.* cov: ' "$out/log" | tail -n1)
  execs=$(sed -E 's/^#([0-9]+).*/\1/' <<<"$last")
  cov=$(sed -E 's/.* cov: ([0-9]+).*/\1/' <<<"$last")
  ft=$(sed -E 's/.* ft: ([0-9]+).*/\1/' <<<"$last")
  findings=$(cd "$out" && ls crash-* leak-* timeout-* oom-* slow-unit-* 2>/dev/null | tr '\n' ' ' || true)
  [ -z "$findings" ] || status=1
  printf '%-22s %12s %7s %8s  %s\n' "$name" "${execs:-?}" "${cov:-?}" "${ft:-?}" "${findings:-none}"
done
exit $status
