#!/usr/bin/env bash
# Configures and builds one build directory: build.sh DIR [cmake options...]
# VELMORA_BUILD_TARGETS, when set, names the only targets to build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" > "$root/$dir.configure.log" 2>&1 ||
  { cat "$root/$dir.configure.log"; exit 1; }
cmake --build "$root/$dir" -j "$(nproc)" ${VELMORA_BUILD_TARGETS:+--target $VELMORA_BUILD_TARGETS}
