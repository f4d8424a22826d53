#!/usr/bin/env bash
# Makes the Debian package into a temporary folder and has lintian check it:
# no errors and no warnings (information tags are listed, not failed on).
# Usage: package_lint_test.sh CPACK BUILD_FOLDER LINTIAN
set -euo pipefail
cpack_command="$1"
build="$2"
lintian="$3"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$cpack_command" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$(ls "$out"/corrolab_*.deb)"
"$lintian" --info --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" || true
"$lintian" --fail-on error,warning "$deb" >/dev/null 2>&1
