#!/usr/bin/env bash
# Start-up benchmark (prints, does not pass or fail): time from process start
# to the main window shown, and peak memory, of build/corvanth on a fresh demo
# tree under the offscreen platform, side by side with a bare Qt Widgets
# window started the same way. Goal: both ratios at most 1.3.
#   bench/startup.sh [RUNS [BUILD_FOLDER]]
# (default 7 runs each, medians compared; the build folder defaults to build/,
# which is built as ./run.sh builds it when the programs are missing)
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
"$bin/corvanth-mkdemo" "$work"
mkdir -p "$work/D"

export QT_QPA_PLATFORM=offscreen CORVANTH_REPORT_SHOWN=1 CORVANTH_EXIT_WHEN_SHOWN=1 CORVANTH_DRIVE_D="$work/D"

# One run: prints "<ms to SHOWN> <peak KiB>".
one() {
  local prog="$1" t0 t1 line
  t0=$(date +%s%N)
  t1=""
  while IFS= read -r line; do
    if [ "$line" = "SHOWN" ] && [ -z "$t1" ]; then t1=$(date +%s%N); fi
  done < <(/usr/bin/time -f "%M" -o "$work/mem" "$prog")
  wait
  if [ -z "$t1" ]; then echo "bench: $prog never reported SHOWN" >&2; exit 1; fi
  echo "$(( (t1 - t0) / 1000000 )) $(cat "$work/mem")"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Warm the caches once for both.
one "$work/corvanth" >/dev/null
one "$work/corvanth-bare-window" >/dev/null

: >"$work/app" ; : >"$work/bare"
for ((i = 0; i < runs; i++)); do
  one "$work/corvanth" >>"$work/app"
  one "$work/corvanth-bare-window" >>"$work/bare"
done

app_ms=$(cut -d' ' -f1 "$work/app" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
app_kb=$(cut -d' ' -f2 "$work/app" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)

printf '%-22s %12s %12s\n' "" "corvanth" "bare window"
printf '%-22s %12s %12s\n' "start to shown (ms)" "$app_ms" "$bare_ms"
printf '%-22s %12s %12s\n' "peak memory (KiB)" "$app_kb" "$bare_kb"
awk -v a="$app_ms" -v b="$bare_ms" -v c="$app_kb" -v d="$bare_kb" 'BEGIN {
  printf "time ratio   %.2f (goal <= 1.30)\n", (b > 0 ? a / b : 0)
  printf "memory ratio %.2f (goal <= 1.30)\n", (d > 0 ? c / d : 0)
}'
echo "($runs runs each, medians)"
echo "Note: the bare window draws no text, so it never starts Qt's font database"
echo "(fontconfig); any window with text pays that once, and it is most of the gap."
