#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang in build-fuzz and runs each one
# for a bounded time on a copy of its seed corpus, so the committed corpus is never
# changed. Any finding (a crash, a sanitizer report, a failed property, a leak or
# a hang) fails the script; the input that caused it is kept in build-fuzz/findings.
# FUZZ_SECONDS sets the time per target (default 20).
set -euo pipefail
# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"
cd "$(dirname "$0")/.."
folder="build-fuzz"
seconds="${FUZZ_SECONDS:-20}"
targets=(fuzz_numbers fuzz_rates fuzz_composition fuzz_command_line fuzz_polarization)

bash scripts/install-deps.sh clang-14 libclang-rt-14-dev

as_owner env CC=clang-14 CXX=clang++-14 cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCORROLAB_BUILD_FUZZ=ON >/dev/null
as_owner cmake --build "$folder" --parallel "$(nproc)"

work="$(as_owner mktemp -d)"
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus="$work/$target/corpus"
  artifacts="$work/$target/artifacts"
  log="$work/$target/log"
  as_owner mkdir -p "$corpus" "$artifacts"
  as_owner cp fuzz/corpus/"$target"/* "$corpus"/
  seeds=$(find "$corpus" -type f | wc -l)
  # -timeout: one input running this long is a hang; the outer timeout guards the run.
  if as_owner timeout $((seconds + 120)) "$folder/fuzz/$target" "$corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict="fuzz/${target#fuzz_}.dict" -artifact_prefix="$artifacts/" \
    -print_final_stats=1 >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    inputs=$(find "$corpus" -type f | wc -l)
    summary+=("$target: passed, ${runs:-?} executions in ${seconds}s, corpus ${seeds} -> ${inputs} inputs")
  else
    failed=1
    as_owner mkdir -p "$folder/findings/$target"
    as_owner cp "$artifacts"/* "$folder/findings/$target"/ 2>/dev/null || true
    echo "---- $target output (last 60 lines) ----"
    tail -n 60 "$log"
    summary+=("$target: FAILED, input kept in $folder/findings/$target (rerun: $folder/fuzz/$target FILE)")
  fi
done

printf '%s\n' "${summary[@]}"
exit "$failed"
