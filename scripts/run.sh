#!/usr/bin/env bash
# Installs what the project needs, builds it and starts Parvell on the sample
# database in the run folder (programs, database and documents side by side).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh build

run_dir="$root/build/run"
if [ ! -x "$run_dir/Parvell" ]; then
  echo "Built: $(cd build && ls -1 */lib*.so 2>/dev/null | xargs -n1 basename | tr '\n' ' ')"
  echo "Parvell is not built yet: the program, its database and its run folder come with later work."
  exit 0
fi
cd "$run_dir"
exec ./Parvell "$@"
