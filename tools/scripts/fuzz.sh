#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each of them for a given time.
#   tools/scripts/fuzz.sh [SECONDS_PER_TARGET] [PARALLEL] [TARGET...]
# SECONDS_PER_TARGET defaults to 60, PARALLEL (targets run at the same time) to 1.
# Everything lands in build-fuzz/: the growing corpus in fuzz-corpus/<target>/, seeds
# in fuzz-seeds/<target>/, logs in fuzz-logs/<target>.log, and every crashing or
# hanging input in fuzz-artifacts/<target>/. The saved reproducers of fixed bugs in
# fuzz/regressions/<target>/ are replayed first. Exits 1 when any target failed.
# Extra libFuzzer flags can be given in DAOLSAE_FUZZ_FLAGS, e.g. to keep fuzzing past a
# known, not yet fixed finding:  DAOLSAE_FUZZ_FLAGS="-fork=1 -ignore_timeouts=1"
# or to stop after a number of executions:  DAOLSAE_FUZZ_FLAGS=-runs=10000000
# DAOLSAE_FUZZ_DEPTH=1 fuzzes with targets built without AddressSanitizer (undefined-
# behaviour and standard-library bounds checks only, several times faster, in
# build-fuzz-fast/) and then replays every input of the grown corpus through the
# AddressSanitizer build.
set -euo pipefail
# One block, read whole before it runs: the script may be edited while a long run goes on.
{
cd "$(dirname "$0")/../.."
seconds=${1:-60}
parallel=${2:-1}
shift $(( $# < 2 ? $# : 2 ))
all=(fuzz_records fuzz_records_files fuzz_phrase_tables fuzz_candidate_list fuzz_check_sentence
     fuzz_continuation_keys fuzz_particles fuzz_script)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all[@]}"); fi
build=$PWD/build-fuzz  # absolute: the targets run inside a scratch directory

depth=${DAOLSAE_FUZZ_DEPTH:-0}
fuzzing=$build  # the build whose targets fuzz
[ "$depth" = 1 ] && fuzzing=$PWD/build-fuzz-fast

tools/scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDAOLSAE_FUZZ=ON -DDAOLSAE_QT=OFF -DDAOLSAE_BENCH=OFF
cmake --build "$build" -j 2 --target fuzz_all
if [ "$depth" = 1 ]; then
  CC=clang CXX=clang++ cmake -S . -B "$fuzzing" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDAOLSAE_FUZZ=ON -DDAOLSAE_FUZZ_ASAN=OFF -DDAOLSAE_QT=OFF -DDAOLSAE_BENCH=OFF
  cmake --build "$fuzzing" -j 2 --target fuzz_all
fi
fuzz/make-seeds.sh "$build" "$build/fuzz-seeds"
mkdir -p "$build/fuzz-logs"

# A small quarantine: the default one (256 MB) cycles through fresh pages, whose faults
# cost more than a short run.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
# Replay the saved reproducers: each must now run clean.
for target in "${targets[@]}"; do
  regressions=$PWD/fuzz/regressions/$target
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    if ! "$build/fuzz/$target" -timeout=25 -rss_limit_mb=2560 "$regressions"/* >"$build/fuzz-logs/$target.regressions.log" 2>&1; then
      echo "$target: a saved reproducer fails (see $build/fuzz-logs/$target.regressions.log)"
      status=1
    fi
  fi
done

# The largest input of each target: a few dozen records per file reach every branch of
# a reader, and a short input keeps each run short.
max_len() {
  case $1 in
    fuzz_records | fuzz_records_files) echo 4096 ;;
    fuzz_particles) echo 8192 ;;
    fuzz_candidate_list) echo 49152 ;;
    fuzz_script) echo 65536 ;;
    *) echo 32768 ;;
  esac
}

run_target() {
  local target=$1
  local corpus=$build/fuzz-corpus/$target artifacts=$build/fuzz-artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  local seeds=$build/fuzz-seeds/${target%_files}  # both record targets share seeds
  [ -d "$seeds" ] || seeds=
  # The processor time too: on a shared machine the wall clock says little.
  /usr/bin/time -f '%e %U %S' -o "$build/fuzz-logs/$target.time" \
  "$fuzzing/fuzz/$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
    -max_len="$(max_len "$target")" \
    -dict="$PWD/fuzz/daolsae.dict" -print_final_stats=1 -artifact_prefix="$artifacts/" \
    ${DAOLSAE_FUZZ_FLAGS:-} \
    "$corpus" ${seeds:+"$seeds"} >"$build/fuzz-logs/$target.log" 2>&1
}

for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || true; done
  run_target "$target" &
done
wait || true

printf '%-24s %12s %9s %12s %8s %10s %s\n' target executions exec/s exec/cpu-s cov features result
for target in "${targets[@]}"; do
  result=ok
  log=$build/fuzz-logs/$target.log
  # The last status line ("#N ..." or, in fork mode, "#N: ...") has the figures.
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  execs=$(sed -n 's/^#\([0-9]*\).*/\1/p' <<<"$last")
  cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$last")
  # (the last line: a failed run adds a line before the figures)
  read -r wall user system < <(tail -1 "$build/fuzz-logs/$target.time" 2>/dev/null) || wall=0
  rates=$(awk -v n="${execs:-0}" -v w="${wall:-0}" -v u="${user:-0}" -v s="${system:-0}" \
    'BEGIN { printf "%d %d", (w > 0) ? n / w : 0, (u + s > 0) ? n / (u + s) : 0 }')
  # A clean run ends with libFuzzer's "Done N runs" (fork mode: "fuzzed for N
  # seconds"); a finding leaves an artifact.
  grep -qE '^(Done [0-9]+ runs|INFO: fuzzed for)' "$log" || result=FAILED
  [ -z "$(ls -A "$build/fuzz-artifacts/$target")" ] || result=FAILED
  # A deep run's corpus, every input once more under AddressSanitizer.
  if [ "$depth" = 1 ] && ! "$build/fuzz/$target" -runs=0 -timeout=25 -rss_limit_mb=2560 \
      -max_len="$(max_len "$target")" -artifact_prefix="$build/fuzz-artifacts/$target/" \
      "$build/fuzz-corpus/$target" >"$build/fuzz-logs/$target.replay.log" 2>&1; then
    result=FAILED
  fi
  [ "$result" = ok ] || status=1
  printf '%-24s %12s %9s %12s %8s %10s %s\n' "$target" "${execs:-?}" ${rates} "${cov:-?}" "${ft:-?}" "$result"
done
exit $status
}
