#!/usr/bin/env bash
# fuzz/run_long.sh [TARGET...]   the long fuzzing runs (all six by default)
#
# Builds the fuzz targets into build-fuzz/ (clang), then runs each for
# RUNS executions (1000000 unless set) from its seed corpus, keeping what it
# finds in build-fuzz/fuzz-runs/<target>/: the corpus grown on the way,
# crashing inputs (crash-*, leak-*, timeout-*) and the whole log. Prints the
# executions, coverage (cov: edges, ft: features) and findings of each.
# Exit status 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${RUNS:-1000000}
declare -A MAX_LEN=([fuzz_rule_text]=2048 [fuzz_containers]=8192 [fuzz_resources]=16384
                    [fuzz_shell_paths]=4096 [fuzz_script]=1024 [fuzz_manifest]=4096)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_rule_text fuzz_containers fuzz_resources fuzz_shell_paths fuzz_script fuzz_manifest)

cmake -S . -B build-fuzz -DLEXOVIA_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

found=0
for target in "${targets[@]}"; do
    out=build-fuzz/fuzz-runs/$target
    mkdir -p "$out/corpus"
    log=$out/log.txt
    started=$SECONDS
    status=0
    "build-fuzz/fuzz/$target" -runs="$RUNS" -max_len="${MAX_LEN[$target]}" -print_final_stats=1 \
        -artifact_prefix="$out/" "$out/corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
    findings=$(find "$out" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'leak-*' -o -maxdepth 1 -name 'timeout-*' \
               -o -maxdepth 1 -name 'oom-*' | wc -l)
    [ "$status" -ne 0 ] && [ "$findings" -eq 0 ] && findings="exit $status"
    [ "$findings" != 0 ] && found=1
    printf '%-18s executions %-9s %-22s findings %s  (%ds, log %s)\n' "$target" "${executions:-?}" \
        "${coverage:-cov: ?}" "$findings" $((SECONDS - started)) "$log"
done
exit $found
