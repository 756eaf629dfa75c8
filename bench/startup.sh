#!/usr/bin/env bash
# Start-up of the desktop program: the wall time from launch until its window is
# viewable on an X server (Xvfb), and the peak resident memory of the process then.
#   bench/startup.sh PROGRAM DICTIONARY_DIR [RUNS]
# Prints one line per run and the medians. Each run starts with an empty state
# directory, so no kept collected text is read back.
set -euo pipefail
"$(dirname "$0")/../tools/scripts/install-deps.sh"  # Xvfb, xdotool and a message bus
# A desktop session has a message bus; without one Qt tries to start one on its own.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi
program=$(realpath "$1")
dictionaries=$(realpath "$2")
runs=${3:-15}

number=99
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
display=:$number
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null && wait $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

now_ns() { date +%s%N; }

times=()
memories=()
for run in $(seq "$runs"); do
  rm -rf "$scratch/state" && mkdir -p "$scratch/state"
  start=$(now_ns)
  (cd "$dictionaries" && XDG_STATE_HOME=$scratch/state exec "$program") &
  pid=$!
  # The window counts when the server reports it viewable: what the user sees.
  until [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before it showed a window" >&2; exit 1; }
    sleep 0.005  # leave the processor to the program
  done
  end=$(now_ns)
  peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  ms=$(( (end - start) / 1000000 ))
  times+=("$ms")
  memories+=("$peak_kb")
  printf 'run %2d: %4d ms to a visible window, peak %6d KB\n' "$run" "$ms" "$peak_kb"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
echo "median: $(median "${times[@]}") ms to a visible window, peak $(median "${memories[@]}") KB resident"
