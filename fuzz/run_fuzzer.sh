#!/usr/bin/env bash
# run_fuzzer.sh FUZZER CORPUS_DIR INPUTS_DIR RUNS: a bounded campaign.
set -euo pipefail
fuzzer=$1 corpus=$2 inputs=$3 runs=$4
mkdir -p "$corpus"
dirs=("$corpus")
[ -d "$inputs" ] && dirs+=("$inputs")
exec "$fuzzer" -runs="$runs" -max_total_time=120 -timeout=10 -rss_limit_mb=2048 "${dirs[@]}"
