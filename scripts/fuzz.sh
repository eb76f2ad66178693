#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them on their seed corpora.
#
#   scripts/fuzz.sh                    every target for 5 seconds
#   scripts/fuzz.sh 0                  every target over its seed corpus only, no new inputs:
#                                      the repeatable check the tests run
#   scripts/fuzz.sh 1800               every target for 30 minutes
#   scripts/fuzz.sh 1800 lookup skin   the named targets only
#
# New inputs a run finds go to build-fuzz/corpus/<target>/, never into fuzz/corpus/; a crash,
# leak or timeout stops the script and leaves its input in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(codec privateprofile number wordlist reminders lookup skin tip hotkey)

if [ ! -f build-fuzz/build.ninja ]; then
    sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
    launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
        -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
        -DLEXARION_BUILD_TESTS=OFF -DLEXARION_BUILD_BENCHMARKS=OFF -DLEXARION_BUILD_FUZZERS=ON
fi
cmake --build build-fuzz --parallel "${FUZZ_JOBS:-2}" \
    --target $(printf '%s_fuzz ' "${targets[@]}")

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    dict=()
    [ -f "fuzz/dict/$target.dict" ] && dict=(-dict="fuzz/dict/$target.dict")
    echo "== $target: $seconds s"
    status=0
    if [ "$seconds" -eq 0 ]; then
        inputs=("fuzz/corpus/$target")
        limit=(-runs=0)
    else
        inputs=("$work" "fuzz/corpus/$target")
        limit=(-max_total_time="$seconds")
    fi
    build-fuzz/fuzz/${target}_fuzz "${inputs[@]}" "${dict[@]}" "${limit[@]}" \
        -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -artifact_prefix="$findings/" -print_final_stats=1 </dev/null >"$findings/log.txt" 2>&1 || status=$?
    grep -E '^#[0-9]+ +DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|ERROR|SUMMARY|fuzz check failed' \
        "$findings/log.txt" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$findings/log.txt"
        echo "$target: fault found; its input is in $findings/"
        exit 1
    fi
done
