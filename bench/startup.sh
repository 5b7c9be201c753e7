#!/usr/bin/env bash
# Start-up benchmark: time from process start until the main window's first
# paint has been flushed to the screen (each side prints SHOWN then), and
# peak memory up to that point, of the platform on a fresh demo tree, next to a bare Qt
# window that shows the same Chinese label and a button in the same font
# (corvanth-bare-window). The two take turns at going first; each pair gives
# one ratio, and min / median / max of the ratios are printed.
# Warm: caches as the previous run left them. Cold (with COLD=1, as root
# only; it slows every program of the machine for a moment): the page cache
# dropped before every single start.
# On the display the student has: run under bench/with-display.sh (without
# a display the offscreen platform is used, which draws nothing on X).
# Aims: time at most 1.1x warm and cold, peak memory at most 1.15x.
#   bench/startup.sh [RUNS [BUILD_FOLDER]]
# (default 7 pairs; the build folder defaults to build/, which is built as
# ./run.sh builds it when the programs are missing)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
bin="${2:-build}"

if [ ! -x "$bin/corvanth" ] || [ ! -x "$bin/corvanth-bare-window" ] || [ ! -x "$bin/corvanth-mkdemo" ]; then
  if [ "$bin" != "build" ]; then echo "bench: no built programs in $bin" >&2; exit 1; fi
  ./scripts/ensure-packages.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTH_TESTS=OFF >/dev/null
  cmake --build build >/dev/null
fi
if [ ! -x /usr/bin/time ]; then
  echo "bench: /usr/bin/time is missing (Debian package \"time\")" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$bin/corvanth" "$bin/corvanth-bare-window" "$work/"
"$bin/corvanth-mkdemo" "$work" >/dev/null
mkdir -p "$work/D"

if [ -z "${DISPLAY:-}" ]; then export QT_QPA_PLATFORM=offscreen; echo "(no display: offscreen)"; fi
export CORVANTH_REPORT_SHOWN=1 CORVANTH_EXIT_WHEN_SHOWN=1 CORVANTH_DRIVE_D="$work/D"

# One run: prints "<ms to SHOWN> <peak KiB>".
one() {
  local prog="$1" t0 t1 line
  if [ "$2" = cold ]; then sync; echo 3 >/proc/sys/vm/drop_caches; fi
  t0=$(date +%s%N)
  t1=""
  while IFS= read -r line; do
    if [ "$line" = "SHOWN" ] && [ -z "$t1" ]; then t1=$(date +%s%N); fi
  done < <(/usr/bin/time -f "%M" -o "$work/mem" "$prog" 2>/dev/null)
  wait
  if [ -z "$t1" ]; then echo "bench: $prog never reported SHOWN" >&2; exit 1; fi
  echo "$(( (t1 - t0) / 1000000 )) $(cat "$work/mem")"
}

# min / median / max of a column of numbers.
stats() { sort -g | awk '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2; printf "%.2f %.2f %.2f\n", a[1], m, a[NR]}'; }

met=yes
# pairs MODE: runs the pairs, prints the ratios.
pairs() {
  local mode="$1" i a b
  : >"$work/ratios"
  for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
      a=$(one "$work/corvanth" "$mode"); b=$(one "$work/corvanth-bare-window" "$mode")
    else
      b=$(one "$work/corvanth-bare-window" "$mode"); a=$(one "$work/corvanth" "$mode")
    fi
    echo "$a $b" | awk '{printf "%s %s %s %s %.4f %.4f\n", $1, $3, $2, $4, ($3 > 0 ? $1 / $3 : 0), ($4 > 0 ? $2 / $4 : 0)}' >>"$work/ratios"
  done
  read -r tmin tmed tmax < <(cut -d' ' -f5 "$work/ratios" | stats)
  read -r mmin mmed mmax < <(cut -d' ' -f6 "$work/ratios" | stats)
  read -r _ ams _ < <(cut -d' ' -f1 "$work/ratios" | stats)
  read -r _ bms _ < <(cut -d' ' -f2 "$work/ratios" | stats)
  read -r _ akb _ < <(cut -d' ' -f3 "$work/ratios" | stats)
  read -r _ bkb _ < <(cut -d' ' -f4 "$work/ratios" | stats)
  local tok mok
  tok=$(awk -v r="$tmed" 'BEGIN {print (r <= 1.10) ? "met" : "not met"}')
  mok=$(awk -v r="$mmed" 'BEGIN {print (r <= 1.15) ? "met" : "not met"}')
  printf '%s start: %s ms vs bare window %s ms (medians); time ratio min %s median %s max %s (aim <= 1.10: %s)\n' \
    "$mode" "$ams" "$bms" "$tmin" "$tmed" "$tmax" "$tok"
  printf '%s start: peak %s KiB vs %s KiB; memory ratio min %s median %s max %s (aim <= 1.15: %s)\n' \
    "$mode" "$akb" "$bkb" "$mmin" "$mmed" "$mmax" "$mok"
  [ "$tok" = met ] && [ "$mok" = met ] || met=no
}

# Warm the caches once for both.
one "$work/corvanth" warm >/dev/null
one "$work/corvanth-bare-window" warm >/dev/null
pairs warm
if [ "${COLD:-0}" = 1 ] && [ "$(id -u)" = 0 ] && [ -w /proc/sys/vm/drop_caches ]; then
  pairs cold
else
  echo "(cold start not measured: COLD=1 as root drops the page cache before each start)"
fi
echo "($runs pairs each)"
if [ "$met" = yes ]; then echo "aim (start-up at most 1.1x, peak memory at most 1.15x the bare window): met"
else echo "aim (start-up at most 1.1x, peak memory at most 1.15x the bare window): not met"; fi
