#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed program from
# there: it must find its data files in share/corrolab beside itself, with the
# user's and the system's data folders empty.
# Usage: install_tree_test.sh CMAKE BUILD_FOLDER
set -euo pipefail
cmake_command="$1"
build="$2"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

DESTDIR="$root" "$cmake_command" --install "$build" --prefix /usr >/dev/null
share="$root/usr/share"
for file in usr/bin/corrolab usr/share/corrolab/Currency.txt usr/share/corrolab/help.txt \
  usr/share/corrolab/units.txt usr/share/applications/io.github.corrolab.Corrolab.desktop \
  usr/share/metainfo/io.github.corrolab.Corrolab.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/io.github.corrolab.Corrolab.svg \
  usr/share/icons/hicolor/48x48/apps/io.github.corrolab.Corrolab.png \
  usr/share/doc/corrolab/copyright usr/share/bash-completion/completions/corrolab; do
  [ -f "$root/$file" ] || fail "not installed: $file"
done
ls "$share"/man/man1/corrolab.1* >/dev/null 2>&1 || fail "no manual page"
bash -n "$share/bash-completion/completions/corrolab" || fail "the bash completion does not parse"

# The installed program, run from elsewhere with nothing in the other folders.
run() {
  (cd / && env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$root/home" \
    XDG_DATA_DIRS="$root/no-system-data" "$root/usr/bin/corrolab" "$@")
}
check() { # name, expected, actual
  if [ "$2" != "$3" ]; then fail "$1: expected '$2', got '$3'"; else echo "ok: $1"; fi
}

check "corrolab convert 1 micro_amp/cm^2 mpy" ".4573" "$(run convert 1 micro_amp/cm^2 mpy)"
# Currencies convert only with the rates file.
check "corrolab convert 100 'US Dollar' Euro" "96.500" "$(run convert 100 "US Dollar" Euro 2>&1)"
units="$(run units Currencies)"
check "corrolab units Currencies: first" "Australian Dollar" "$(head -n 1 <<<"$units")"
check "corrolab units Currencies: count" "49" "$(wc -l <<<"$units" | tr -d ' ')"
paths="$(run paths)"
for name in Currency.txt help.txt units.txt; do
  grep -qxF "$name: $share/corrolab/$name (installed)" <<<"$paths" \
    || fail "corrolab paths does not name the installed $name:"$'\n'"$paths"
done

# Every subcommand of the usage is described in the manual page.
manual="$(zcat -f "$share"/man/man1/corrolab.1*)"
for subcommand in $(run --help | sed -n 's/^.*corrolab \([a-z][a-z]*\).*$/\1/p' | sort -u); do
  grep -q "^\.B corrolab $subcommand" <<<"$manual" || fail "manual page lacks $subcommand"
  # ... and is an item of its own under SUBCOMMANDS: a .TP right before its name.
  sed -n '/^\.SH SUBCOMMANDS/,/^\.SH [^S]/p' <<<"$manual" | grep -B1 "^\.B $subcommand\b" |
    head -n 1 | grep -qx '\.TP' || fail "manual page: $subcommand is not an item of its own"
  # Every option its help names is in the manual page.
  for option in $(run "$subcommand" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$(sed 's/-/\\-/g' <<<"$option")" <<<"$manual" ||
      fail "manual page lacks $option of corrolab $subcommand"
  done
done
for option in $(run --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
  grep -qF -- "$(sed 's/-/\\-/g' <<<"$option")" <<<"$manual" || fail "manual page lacks $option"
done
for section in OPTIONS ENVIRONMENT FILES; do
  grep -qx "\.SH $section" <<<"$manual" || fail "manual page lacks its $section"
done
for variable in XDG_DATA_HOME XDG_DATA_DIRS XDG_CONFIG_HOME; do
  sed -n '/^\.SH ENVIRONMENT/,/^\.SH EXIT/p' <<<"$manual" | grep -qx "\.B $variable" ||
    fail "manual page: ENVIRONMENT lacks $variable"
done

# The installed windows program opens its modules from where they are installed:
# the polarization window (its screenshots), and the print and download entries.
modules="$(ls -d "$root"/usr/lib/*/corrolab 2>/dev/null || true)"
for module in corrolab-polarization corrolab-print corrolab-download; do
  [ -f "$modules/$module.so" ] || fail "not installed: the module $module.so (in $root/usr/lib/*/corrolab)"
done
shots="$root/shots"
mkdir -p "$shots"
(cd / && env QT_QPA_PLATFORM=offscreen HOME="$root/home" XDG_CONFIG_HOME="$root/home" \
  timeout 120 "$root/usr/libexec/corrolab/corrolab-windows" --screenshot "$shots" >/dev/null 2>&1) ||
  fail "the installed corrolab-windows --screenshot failed"
[ -s "$shots/corrolab-polarization.png" ] && echo "ok: the installed windows open the polarization module" ||
  fail "the installed windows made no polarization screenshot: the module was not found"

# The menu entry names the class the windows carry (WM_CLASS), so that the
# desktop ties the running windows to it.
grep -qx "StartupWMClass=corrolab" "$share/applications/io.github.corrolab.Corrolab.desktop" ||
  fail "the desktop file's StartupWMClass is not the windows' class, corrolab"

# The bash completion completes subcommands and, through the program, unit names.
if [ -f /usr/share/bash-completion/bash_completion ]; then
  complete_words() { # words of the line; prints the completions of the last one
    bash -c 'source /usr/share/bash-completion/bash_completion
      source "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _corrolab; printf "%s\n" "${COMPREPLY[@]}"' _ "$share/bash-completion/completions/corrolab" "$@"
  }
  check "completion of 'conv'" "convert" "$(complete_words "$root/usr/bin/corrolab" conv)"
  check "completion of units Pres" "Pressure" "$(complete_words "$root/usr/bin/corrolab" units Pres)"
  check "completion of a Pressure unit" "mega_Pa" \
    "$(complete_words "$root/usr/bin/corrolab" convert --category Pressure 1 mega_)"
fi

[ "$failures" -eq 0 ]
