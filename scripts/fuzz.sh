#!/usr/bin/env bash
# Fuzzes the opening and loading of Parvell's product database with libFuzzer:
#   fuzz.sh [SECONDS [FINDINGS]]
# Runs for SECONDS (default 300). Every crash, sanitizer report, unexpected
# exception, hang, leak or memory blow-up is kept as a reproducer in FINDINGS
# (default build-fuzz/findings); the run goes on after each one. A reproducer
# replays with: build-fuzz/parvell/db/fuzz/parvell_db_fuzz FILE
# VELMORA_FUZZ_JOBS sets the number of fuzzing processes (default 1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-300}
findings=$(realpath -m "${2:-$root/build-fuzz/findings}")
jobs=${VELMORA_FUZZ_JOBS:-1}

# The normal build writes the seeds; clang and its fuzzer runtime build the target.
bash scripts/install-deps.sh clang libclang-rt-14-dev

# Seeds: the sample database and the small databases of
# parvell/db/fuzz/seeds, written by the normal build's jetwrite.
VELMORA_BUILD_TARGETS="jetwrite parvell_sample_database" bash scripts/build.sh build
sample=build/data/Parvell.mdb

# The fuzz build: clang, sanitizers, only what the target needs.
VELMORA_BUILD_TARGETS=parvell_db_fuzz bash scripts/build.sh build-fuzz \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON

seeds=build-fuzz/seeds
rm -rf "$seeds" build-fuzz/tmp
mkdir -p "$seeds" build-fuzz/corpus build-fuzz/tmp "$findings"
cp "$sample" "$seeds/sample.mdb"
for source in parvell/db/fuzz/seeds/*.txt; do
  build/tools/jetwriter/jetwrite "$source" "$seeds/$(basename "$source" .txt).mdb"
done

# A hang (10 s on one input), an allocation beyond 512 MB or a process beyond
# 2 GB is a finding like a crash. libmdb's complaints about damaged pages
# would flood the terminal; sanitizer reports still reach it. The input files
# live under build-fuzz/tmp.
echo "Fuzzing for $seconds s; findings go to $findings"
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1
status=0
TMPDIR=$root/build-fuzz/tmp build-fuzz/parvell/db/fuzz/parvell_db_fuzz \
  build-fuzz/corpus "$seeds" \
  -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
  -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=512 -rss_limit_mb=2048 \
  -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$findings/" || status=$?

# The fuzzer ends with 1 when the run had findings.
count=$(find "$findings" -maxdepth 1 -type f | wc -l)
echo "$count reproducer(s) in $findings (earlier runs included)"
exit $status
