#!/usr/bin/env bash
# Installs what is missing, builds Corrolab with its tests and runs every test:
# the sanitizer build and a short fuzzing of each reader first, then the whole
# suite of the normal build. Before that the Debian package is built, installed,
# tried and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
bash scripts/sanitize.sh
bash scripts/fuzz-smoke.sh
bash scripts/package-check.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
