#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Only missing packages are installed; nothing happens when all are there.
set -euo pipefail

PKGS=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl-dev libqt6sql6-ibase
  libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n
  zlib1g-dev libjpeg-dev libzip-dev
  libgtest-dev libgmock-dev googletest
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  xvfb xauth qpdf poppler-utils xdg-utils unzip python3-docx
  libwmf-bin fonts-urw-base35 emf2svg
)
# --server: the Firebird server for the server tests; --package: what building and
# checking the Debian packages needs (scripts/package.sh).
for arg in "$@"; do
  case $arg in
    --server) PKGS+=(firebird3.0-server) ;;
    --package) PKGS+=(dpkg-dev fakeroot file lintian desktop-file-utils) ;;
  esac
done
if [ "${ZORT_WITH_SERVER:-0}" = "1" ]; then
  PKGS+=(firebird3.0-server)
fi

missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo -E); fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq || true
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
