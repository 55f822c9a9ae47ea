#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the demo database.
# The program folder "demo/" holds the program, its configuration files and the
# demo database; they are created on the first run and never overwritten later.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

DEMO=demo
mkdir -p "$DEMO"
cp -f build/bin/zortwyp build/bin/zortdb "$DEMO/"
# The help pages go beside the program (F1 shows them); they are the program's own.
if [ -d help ]; then
  rm -rf "$DEMO/help"
  cp -r help "$DEMO/help"
fi
if [ ! -f "$DEMO/demo.fdb" ]; then
  "$DEMO/zortdb" create "$DEMO/demo.fdb" --demo
fi
if [ ! -f "$DEMO/aliases.ini" ]; then
  printf '[ZortDemo]\r\nDatabase=demo.fdb\r\n\r\n[ZortArch]\r\nDatabase=demo.fdb\r\n' > "$DEMO/aliases.ini"
fi
if [ ! -f "$DEMO/kwel.ini" ]; then
  printf '[Database]\r\nAliasName=ZortDemo\r\n\r\n[SavedSettings]\r\nGLOBAL.KZS.Str=4\r\n' > "$DEMO/kwel.ini"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under a virtual display (xvfb-run)." >&2
  exec xvfb-run -a "$DEMO/zortwyp" "$@"
fi
exec "$DEMO/zortwyp" "$@"
