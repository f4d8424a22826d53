#!/usr/bin/env bash
# Installs what is missing, builds Corrolab with its tests and benchmarks and runs
# every test: the sanitizer build and a short fuzzing of each reader first, then
# the Debian package is built, installed, tried and removed again, then the whole
# suite of the normal build. Arguments go to CMake for the normal build.
#
# The normal build is build/, which start.sh also builds (without the tests);
# this script turns the tests on there whatever the folder's cache holds, so the
# two scripts may run in either order. A build without tests fails here rather
# than passing with none run.
set -euo pipefail
# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# First as the README has a new user do: start.sh, which without a display builds
# build/ without the tests, says so and stops. The test build must hold the
# whole suite all the same.
started="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash scripts/start.sh 2>&1)" &&
  { echo "test.sh: start.sh without a display did not stop" >&2; exit 1; }
grep -q "no display found" <<<"$started" ||
  { printf 'test.sh: start.sh without a display printed:\n%s\n' "$started" >&2; exit 1; }
as_owner bash scripts/build.sh build -DCORROLAB_BUILD_TESTS=ON -DCORROLAB_BUILD_BENCH=ON "$@"
as_owner bash scripts/check-test-build.sh build
bash scripts/sanitize.sh
bash scripts/fuzz-smoke.sh
bash scripts/package-check.sh build
as_owner ctest --test-dir build --no-tests=error --output-on-failure --parallel "$(nproc)"
