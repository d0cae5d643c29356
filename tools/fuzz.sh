#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a set time each. The seeds in fuzz/*/corpus/<target>/ are
# read, not changed; inputs the fuzzer finds interesting are kept in BUILD/corpus/<target>/, and
# inputs that crash, leak or hang in fuzz/findings/<target>/. A finding, once fixed, goes into the
# seed corpus, where `make test` replays it.
set -uo pipefail
build=${1:?usage: fuzz.sh BUILD_DIR SECONDS}
seconds=${2:-60}
cd "$(dirname "$0")/.."
status=0
for seeds in fuzz/*/corpus/*/; do
    target=$(basename "$seeds")
    program=$(basename "$(dirname "$(dirname "$seeds")")")
    fuzzer="$build/fuzz/$program/${target}_fuzzer"
    [ -x "$fuzzer" ] || { echo "fuzz: $fuzzer was not built"; status=1; continue; }
    kept="$build/corpus/$target"
    findings="fuzz/findings/$target"
    mkdir -p "$kept" "$findings"
    echo "fuzz: $target for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=4096 \
        -artifact_prefix="$findings/" -print_final_stats=1 "$kept" "$seeds" \
        >"$build/fuzz-$target.log" 2>&1; then
        echo "fuzz: $target FOUND a failing input: $(ls -t "$findings" | head -n 1) (log: $build/fuzz-$target.log)"
        status=1
    fi
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/fuzz-$target.log" |
        sed "s/^/fuzz: $target /"
done
exit "$status"
