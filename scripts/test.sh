#!/usr/bin/env bash
# Installs what the project needs, builds it plainly and under the sanitizers,
# and runs every test of every build in one CTest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh

# Address + undefined-behaviour sanitizers over the whole system.
bash scripts/build.sh build-asan -DVELMORA_SANITIZE=address,undefined
# The plain build runs its own tests and those of the sanitizer builds.
bash scripts/build.sh build "-DVELMORA_ALSO_TEST=$root/build-asan"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1
cd build
ctest -j "$(nproc)" --output-on-failure --timeout 300
