#!/usr/bin/env bash
# z8_fuzzer looks for the runner and the seeds beside the calling folder; both
# live one level up (fuzz/run_fuzzer.sh, fuzz/seeds/<name>).
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../run_fuzzer.sh" "$1" "$2" "$here/../seeds/$(basename "$3")" "$4"
