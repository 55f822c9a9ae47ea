#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (GUI tests offscreen).
# The tests that need a Firebird server get the machine's server on 127.0.0.1,
# started here and stopped at the end when this script started it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh --server
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

SUDO=()
[ "$(id -u)" -eq 0 ] || SUDO=(sudo)
if server_env=$("${SUDO[@]}" ./scripts/fbserver.sh start); then
  eval "export ${server_env//$'\n'/ }"
  if [ "${ZORT_FB_STARTED:-0}" = "1" ]; then
    trap '"${SUDO[@]}" ./scripts/fbserver.sh stop' EXIT
  fi
else
  echo "Firebird server not available: the server tests will be skipped" >&2
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" "$@"
