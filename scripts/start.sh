#!/usr/bin/env bash
# Installs what is missing, builds Corrolab (without its tests) and starts it.
# Arguments go to the program.
set -euo pipefail
# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
as_owner bash scripts/build.sh build -DCORROLAB_BUILD_TESTS=OFF -DCORROLAB_BUILD_BENCH=OFF
as_owner ./build/corrolab "$@"
