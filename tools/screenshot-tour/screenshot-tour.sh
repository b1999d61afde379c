#!/usr/bin/env bash
# The screenshot tour: starts thermbook under Xvfb with simulated recorders on a fresh
# database, opens every window and dialog in turn and saves a PNG of each.
#
#   bash tools/screenshot-tour/screenshot-tour.sh [FOLDER]
#
# FOLDER (default: build/screenshot-tour) is emptied and receives the pictures. The build
# folder is BUILD (default: build); the walker and the simulator are built there first.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${BUILD:-$top/build}"
out="$(realpath -m "${1:-$build/screenshot-tour}")"

cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target screenshot-tour-walk recorder-sim

rm -rf "$out"
mkdir -p "$out"
home="$(mktemp -d)"
sim_pids=()
cleanup() {
  for pid in ${sim_pids[@]+"${sim_pids[@]}"}; do
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$home"
}
trap cleanup EXIT

# One simulated recorder per upload, each a little later in the pour, so that the curves
# rise and fall over the uploads.
recorders=()
n=0
for age in 20 32 44; do
  n=$((n + 1))
  exec {sim_out}< <(exec "$build/tools/recorder-sim/recorder-sim" --age "$age" --seed 7 \
                        2>"$out/recorder-sim-$n.log")
  sim_pids+=("$!")
  pty=""
  if ! read -r -t 10 -u "$sim_out" pty || [ -z "$pty" ]; then
    echo "screenshot-tour: the recorder simulator did not start; see $out/recorder-sim-$n.log" >&2
    exit 1
  fi
  recorders+=("$pty")
done

# A home of its own: fresh window placement and settings, its own single-copy lock.
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
       XDG_CACHE_HOME="$home/.cache" TMPDIR="$home"
export LANG=zh_CN.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
  "$build/tools/screenshot-tour/screenshot-tour-walk" "$out" "${recorders[@]}"
# The record sheet as a spreadsheet program shows it, where one is installed.
sheet="$out/program/报表/测温记录表.xlsx"
if [ -f "$sheet" ] && command -v soffice >/dev/null && command -v pdftoppm >/dev/null; then
  soffice --headless --convert-to pdf --outdir "$home" "$sheet" >/dev/null 2>&1 &&
    pdftoppm -png -r 80 -singlefile "$home/测温记录表.pdf" "$out/record-sheet" || true
fi
rm -rf "$out/program"
echo "screenshot-tour: pictures in $out"
