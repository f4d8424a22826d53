#!/usr/bin/env bash
# Installs what is missing, builds Corrolab and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DCORROLAB_BUILD_TESTS=OFF
exec ./build/corrolab "$@"
