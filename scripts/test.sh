#!/usr/bin/env bash
# Installs what the project needs, builds it plainly and under the sanitizers,
# and runs every test of every build in one CTest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh

# Every C++ file is written in the style .clang-format states.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Address + undefined-behaviour sanitizers over the whole system.
bash scripts/build.sh build-asan -DVELMORA_SANITIZE=address,undefined
# Thread sanitizer over the code that runs threads of its own; only the
# test programs of that code are built.
tsan_tests="kit_tests thread_tests"
VELMORA_BUILD_TARGETS="$tsan_tests" bash scripts/build.sh build-tsan -DVELMORA_SANITIZE=thread \
  "-DVELMORA_TESTS=${tsan_tests// /;}"
# The plain build runs its own tests and those of the sanitizer builds; a
# sanitizer build directory that is missing or unconfigured fails this
# configuration and the CTest run rather than dropping its tests.
bash scripts/build.sh build "-DVELMORA_ALSO_TEST=$root/build-asan;$root/build-tsan"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
cd build
ctest -j "$(nproc)" --output-on-failure --timeout 300
