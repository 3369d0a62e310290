# Sourced by the scripts: require_packages PACKAGE... installs the Debian packages that are
# missing (as root), or says exactly what to install and fails.
require_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ "$(id -u)" = 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing Debian packages; install them as root with:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
}
