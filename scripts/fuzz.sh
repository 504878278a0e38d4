#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang in build-fuzz/ (the fuzz preset)
# and runs each for the given number of seconds (default 60), starting from its committed
# seeds and the example beams. A crash, a failed check, a sanitizer report, a leak or a hang fails the
# run; the input that did it is kept in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
dir=build-fuzz
seeds=tests/fuzz/corpus

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

# run NAME DICTIONARY|- SEEDS...: the working corpus comes first, as libFuzzer writes new
# inputs into the first folder only.
run() {
    local name="$1" dictionary="$2"; shift 2
    local corpus="$dir/corpus/$name" log="$dir/fuzz_$name.log" options=()
    [ "$dictionary" != - ] && options+=("-dict=$dictionary")
    mkdir -p "$corpus" "$dir/artifacts"
    echo "fuzz_$name: ${seconds}s"
    if ! "$dir/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$dir/artifacts/$name-" "${options[@]}" "$corpus" "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$name failed; the input is in $dir/artifacts/"
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log"
}

run load_file tests/fuzz/load_file.dict "$seeds/load_file" examples
run design_file - "$seeds/design_file" examples
run list_notation - "$seeds/list_notation"
run number - "$seeds/number"
run analysis tests/fuzz/load_file.dict "$seeds/load_file" examples
