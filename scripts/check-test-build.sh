#!/usr/bin/env bash
# Checks that a build folder (default: build) holds the whole test suite: every
# TEST, TEST_F and TEST_P of tests/ and tests/ui/ is listed by ctest, and so are
# the tests added by name in tests/CMakeLists.txt. Fails on a build made without
# its tests, so that running it cannot pass with no test run.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-build}"

if ! listed="$(ctest --test-dir "$folder" -N --no-tests=error 2>&1)"; then
  echo "check-test-build: $folder holds no tests; configure it with -DCORROLAB_BUILD_TESTS=ON" >&2
  exit 1
fi

missing=()
while IFS= read -r name; do
  grep -qE "Test +#[0-9]+: ${name}( |/|\$)" <<<"$listed" || missing+=("$name")
done < <(
  grep -hoE '^TEST(_F|_P)?\([A-Za-z0-9_]+, *[A-Za-z0-9_]+\)' tests/*.cpp tests/ui/*.cpp |
    sed -E 's/^TEST_P\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\)/[A-Za-z0-9_]*\/?\1.\2/;
            s/^TEST(_F)?\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\)/\2.\3/'
  sed -nE 's/^ *add_test\(NAME ([A-Za-z0-9_]+)[ )].*/\1/p' tests/CMakeLists.txt
)

total="$(sed -nE 's/^Total Tests: ([0-9]+)$/\1/p' <<<"$listed")"
if [ "${#missing[@]}" -gt 0 ]; then
  echo "check-test-build: $folder lists $total tests but lacks ${#missing[@]}:" >&2
  printf '  %s\n' "${missing[@]:0:20}" >&2
  exit 1
fi
echo "check-test-build: $folder holds the whole suite ($total tests)"
