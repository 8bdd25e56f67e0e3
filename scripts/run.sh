#!/usr/bin/env bash
# Installs what the project needs, builds it and starts Parvell on the sample
# database in the run folder (programs, database and documents side by side).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh build

run_dir="$root/build/run"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Parvell is built in $run_dir, but there is no display to show it on." >&2
  echo "Run this command from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
cd "$run_dir"
exec ./Parvell "$@"
