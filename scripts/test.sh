#!/usr/bin/env bash
# Every test: installs what is missing, builds the presets and the installer,
# runs the native unit tests, the same under the sanitizers, bounded fuzzing
# campaigns, and the Windows binaries' checks and Wine tests. Ends with one
# "tests: N passed, N failed" line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

say() { printf '\n==> %s\n' "$*"; }
stamp() { date +%s; }

t0=$(stamp)
say "bootstrap"
scripts/bootstrap.sh
t1=$(stamp)

presets=(native sanitize fuzz win32 win64)
for preset in "${presets[@]}"; do
  say "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
# The installers carry the 32- and the 64-bit builds.
say "build the installers"
cmake --build --preset installer
cmake --build --preset installer-x64
t2=$(stamp)

trap 'scripts/wine-rig.sh stop' EXIT
mkdir -p build/logs
passed=0 failed=0 skipped=0 status=0
for preset in "${presets[@]}"; do
  say "test $preset"
  log=build/logs/ctest-$preset.log
  ctest --preset "$preset" 2>&1 | tee "$log" || status=1
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1 || true)
  if [ -z "$line" ] && grep -q 'No tests were found' "$log"; then
    continue
  elif [ -z "$line" ]; then
    echo "no test summary for $preset"
    status=1
    continue
  fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  # ctest counts a skipped test (exit 77: e.g. a 32-bit program on a machine
  # that cannot run one) among the passed ones.
  skip=$(grep -c '(Skipped)$' "$log" || true)
  passed=$((passed + total - bad - skip))
  failed=$((failed + bad))
  skipped=$((skipped + skip))
done
t3=$(stamp)

printf '\nbootstrap %ss, build %ss, tests %ss\n' $((t1 - t0)) $((t2 - t1)) $((t3 - t2))
[ "$failed" -eq 0 ] || status=1
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status
