#!/usr/bin/env bash
# Fuzzes the console with the plugin loaded: builds the console fuzzer in the asan preset's tree (clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer; the test command has built it already), fuzzes for about a minute, and fails on any crash, hang, leak or
# sanitizer report. Then merges the working corpus down to the inputs that add coverage.
#
#   bash scripts/fuzz.sh [--seconds N] [--update-corpus]
#     --seconds N       fuzz for N seconds (default 60)
#     --update-corpus   afterwards write the merged corpus into tests/fuzz/corpus, to be reviewed and
#                       committed by hand
#
# Everything it writes is in build/asan/console-fuzz: the working corpus (corpus/, seeded from
# tests/console/*.kz and tests/fuzz/corpus/), the log (fuzz.log) and the inputs that failed
# (artifacts/). An input that failed belongs in tests/fuzz/crashers/ once its fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=60
update_corpus=false
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    --update-corpus) update_corpus=true; shift ;;
    *) echo "usage: bash scripts/fuzz.sh [--seconds N] [--update-corpus]" >&2; exit 2 ;;
  esac
done

started=$SECONDS
source scripts/build-env.sh
bash scripts/setup.sh
echo "==== fuzz: configure and build (the asan tree)"
cmake --preset asan >/dev/null
cmake --build --preset fuzz

fuzzer=$root/build/asan/bin/console_fuzzer
work=$root/build/asan/console-fuzz
committed=$root/tests/fuzz/corpus
rm -rf "$work/seeds" "$work/artifacts" "$work/merged" "$work/tmp"
mkdir -p "$work/corpus" "$work/seeds" "$work/artifacts" "$work/tmp"
cp tests/console/*.kz "$work/seeds/"
# The fuzzer's scratch folders and libFuzzer's merge files, which a crash leaves behind.
export TMPDIR=$work/tmp

# Rationale: -timeout is well above the slowest input the harness lets through (about two seconds,
# see the bounds in tests/fuzz/console_input.cpp), so that a busy machine does not make a hang of it.
options=(-timeout=30 -rss_limit_mb=2048 -max_len=4096 "-dict=$root/tests/fuzz/console.dict"
  "-artifact_prefix=$work/artifacts/")
export UBSAN_OPTIONS=print_stacktrace=1

echo "==== fuzz: the console for $seconds s (log: $work/fuzz.log)"
set +e
"$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
  "$work/corpus" "$committed" "$work/seeds" 2>&1 |
  tee "$work/fuzz.log" | grep --line-buffered -E '^#[0-9]+[[:space:]]+(INITED|pulse|DONE)'
status=${PIPESTATUS[0]}
set -e
failed=$(find "$work/artifacts" -type f | sort)
if [ "$status" -ne 0 ] || [ -n "$failed" ]; then
  # The report from its first line (the sanitizer's, or libFuzzer's for a hang, a leak or memory),
  # without the shadow bytes that follow it.
  echo "---- from $work/fuzz.log:"
  awk '/ERROR:|runtime error:|ALARM:|out-of-memory/ { shown = 1 } /Shadow bytes around/ { shown = 0 }
       shown && printed++ < 50' "$work/fuzz.log"
  echo "FAILED: the console fuzzer stopped with status $status."
  if [ -n "$failed" ]; then
    echo "The input that failed (replay: $fuzzer FILE):"
    echo "$failed"
    echo "Once its fault is mended, copy it into tests/fuzz/crashers/."
  fi
  exit 1
fi
runs=$(grep -oE '^Done [0-9]+ runs' "$work/fuzz.log" | grep -oE '[0-9]+' || echo "?")

# merge_into FOLDER [OPTION...]: merges the inputs of the folders in "sources" into FOLDER, with the
# libFuzzer options given. FOLDER starts with the seeds alone, so that only inputs that add coverage
# beyond them are kept; the seeds are taken out again afterwards, as every run adds them anew.
merge_into() {
  local folder=$1; shift
  rm -rf "$folder"
  mkdir "$folder"
  cp "$work/seeds/"* "$folder/"
  if ! "$fuzzer" "${options[@]}" -merge=1 "$@" "$folder" "${sources[@]}" >"$work/merge.log" 2>&1; then
    tail -n 30 "$work/merge.log"
    echo "FAILED: merging the corpus (log: $work/merge.log)"
    exit 1
  fi
  local seed
  for seed in "$work/seeds/"*; do
    rm -f "$folder/$(basename "$seed")"
  done
}

echo "==== fuzz: merge the corpus"
sources=("$work/corpus" "$committed")
merge_into "$work/merged"
rm -rf "$work/corpus"
mv "$work/merged" "$work/corpus"
echo "the working corpus keeps $(find "$work/corpus" -type f | wc -l) inputs beyond the seeds"

if [ "$update_corpus" = true ]; then
  # Only new edges count here, not how often they were taken, which keeps the committed corpus small.
  sources=("$work/corpus")
  merge_into "$work/minimised" -use_counters=0
  find "$committed" -type f -delete
  cp "$work/minimised/"* "$committed/" 2>/dev/null || true
  rm -rf "$work/minimised"
  echo "tests/fuzz/corpus now holds $(find "$committed" -type f | wc -l) inputs; review them before committing"
fi

echo "fuzz: $runs inputs in $seconds s, no crash, hang, leak or sanitizer report" \
  "(configure, build, fuzz and merge took $((SECONDS - started)) s)"
