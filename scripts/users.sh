# Sourced by the scripts: who runs which step.
#
# The scripts run as root, as a user who may use sudo, or through sudo. Only
# installing packages needs root; building and testing run as the owner of the
# checkout, so that a run as root leaves no build folder the owner cannot change
# and the tests see what that user sees.

# as_root COMMAND...: runs COMMAND as root, through sudo when needed.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# as_owner COMMAND...: runs COMMAND as the owner of the current folder.
as_owner() {
  local owner
  owner="$(stat -c %u .)"
  if [ "$(id -u)" -eq 0 ] && [ "$owner" -ne 0 ]; then
    runuser -u "$(id -nu "$owner")" -- "$@"
  else
    "$@"
  fi
}
