#!/usr/bin/env bash
# run_fuzzer.sh FUZZER CORPUS_DIR INPUTS_DIR RUNS [SECONDS [FLAGS...]]: a bounded
# campaign; RUNS -1 runs until SECONDS (120 by default) have passed.
set -euo pipefail
fuzzer=$1 corpus=$2 inputs=$3 runs=$4 seconds=${5:-120}
shift $(($# < 5 ? $# : 5))
mkdir -p "$corpus"
dirs=("$corpus")
[ -d "$inputs" ] && dirs+=("$inputs")
exec "$fuzzer" -runs="$runs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$@" "${dirs[@]}"
