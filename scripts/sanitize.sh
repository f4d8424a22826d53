#!/usr/bin/env bash
# Builds Corrolab and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (gcc) in build-asan and runs every test there. Any report of either sanitizer
# stops the test that made it, so a fault fails this script.
set -euo pipefail
# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"
cd "$(dirname "$0")/.."
folder="${1:-build-asan}"

bash scripts/install-deps.sh

# GCC warns that the sanitizers raise the rate of false -Wmaybe-uninitialized
# warnings; std::regex gives some here. The ordinary build keeps that warning.
as_owner cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DCMAKE_CXX_FLAGS=-Wno-maybe-uninitialized \
  -DCORROLAB_SANITIZE=ON -DCORROLAB_BUILD_TESTS=ON -DCORROLAB_BUILD_FUZZ=OFF >/dev/null
as_owner cmake --build "$folder" --parallel "$(nproc)"

# Leaks are looked for too: the test programs end without leaking.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
as_owner ctest --test-dir "$folder" --no-tests=error --output-on-failure --parallel "$(nproc)"
