#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build), installs it with
# apt-get as a user would, runs the installed command line from /usr/bin, and
# removes the package again, whatever happened.
set -euo pipefail
# shellcheck source=scripts/users.sh
source "$(dirname "$0")/users.sh"
cd "$(dirname "$0")/.."
folder="${1:-build}"

as_owner rm -f "$folder"/corrolab_*.deb
as_owner cpack -G DEB --config "$folder/CPackConfig.cmake" -B "$folder" >/dev/null
package="$(realpath "$folder"/corrolab_*.deb)"
echo "Installing $package"
trap 'as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq corrolab >/dev/null' EXIT
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null

# The main window's result box shows " .4573"; the command line prints the same
# text without its surrounding blanks.
expected=" .4573"
user_data="$(mktemp -d)"
result="$(cd / && XDG_DATA_HOME="$user_data" /usr/bin/corrolab convert 1 micro_amp/cm^2 mpy)"
rates="$(cd / && XDG_DATA_HOME="$user_data" /usr/bin/corrolab paths | grep '^Currency.txt:' || true)"
rm -rf "$user_data"
if [ "$result" != "${expected# }" ]; then
  echo "package check FAILED: corrolab convert 1 micro_amp/cm^2 mpy printed '$result'" >&2
  exit 1
fi
if [ "$rates" != "Currency.txt: /usr/share/corrolab/Currency.txt (installed)" ]; then
  echo "package check FAILED: the installed program uses $rates" >&2
  exit 1
fi
echo "package check: /usr/bin/corrolab convert 1 micro_amp/cm^2 mpy printed '$result'; $rates"
