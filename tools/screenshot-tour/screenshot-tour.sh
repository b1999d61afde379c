#!/usr/bin/env bash
# The screenshot tour: starts thermbook under Xvfb with simulated recorders on a fresh
# database, opens every window and dialog in turn and saves a PNG of each.
#
#   bash tools/screenshot-tour/screenshot-tour.sh [FOLDER]
#   bash tools/screenshot-tour/screenshot-tour.sh --shared postgresql://... [FOLDER]
#
# FOLDER (default: build/screenshot-tour) is emptied and receives the pictures. The build
# folder is BUILD (default: build); the walker and the simulator are built there first.
# With --shared, two copies of the program run at once on the given server database, each
# with its own recorder, home and single-copy lock; each saves one upload, waits for the
# other's, groups and draws. Their pictures go to FOLDER/office-1 and FOLDER/office-2.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${BUILD:-$top/build}"
shared=""
if [ "${1:-}" = "--shared" ]; then
  shared="${2:?a postgresql:// address}"
  shift 2
fi
out="$(realpath -m "${1:-$build/screenshot-tour}")"

cmake -S "$top" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target screenshot-tour-walk recorder-sim

rm -rf "$out"
mkdir -p "$out"
scratch="$(mktemp -d)"
pids=()
cleanup() {
  for pid in ${pids[@]+"${pids[@]}"}; do
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Starts a simulated recorder `age` hours into the pour and adds its terminal to `recorders`.
recorders=()
start_recorder() {
  local age="$1" log="$out/recorder-sim-$1.log" sim_out pty=""
  exec {sim_out}< <(exec "$build/tools/recorder-sim/recorder-sim" --age "$age" --seed 7 2>"$log")
  pids+=("$!")
  if ! read -r -t 10 -u "$sim_out" pty || [ -z "$pty" ]; then
    echo "screenshot-tour: the recorder simulator did not start; see $log" >&2
    exit 1
  fi
  recorders+=("$pty")
}

# Runs the walker under a display of its own, in a home of its own: fresh window placement
# and settings, its own single-copy lock.
walk() {
  local home
  home="$(mktemp -d -p "$scratch")"
  env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" \
      XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" TMPDIR="$home" \
      LANG=zh_CN.UTF-8 LC_ALL=C.UTF-8 \
      xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
      "$build/tools/screenshot-tour/screenshot-tour-walk" "$@"
}

if [ -n "$shared" ]; then
  export THERMBOOK_DATABASE_URL="$shared"
  start_recorder 20
  start_recorder 44
  walk --office 1 2 "$out/office-1" "${recorders[0]}" &
  first=$!
  walk --office 2 2 "$out/office-2" "${recorders[1]}"
  wait "$first"
  rm -rf "$out"/office-*/program
  echo "screenshot-tour: pictures in $out/office-1 and $out/office-2"
  exit 0
fi

# One simulated recorder per upload, each a little later in the pour, so that the curves
# rise and fall over the uploads.
for age in 20 32 44; do
  start_recorder "$age"
done
walk "$out" "${recorders[@]}"
# The record sheet as a spreadsheet program shows it, where one is installed.
sheet="$out/program/报表/测温记录表.xlsx"
if [ -f "$sheet" ] && command -v soffice >/dev/null && command -v pdftoppm >/dev/null; then
  soffice --headless --convert-to pdf --outdir "$scratch" "$sheet" >/dev/null 2>&1 &&
    pdftoppm -png -r 80 -singlefile "$scratch/测温记录表.pdf" "$out/record-sheet" || true
fi
rm -rf "$out/program"
echo "screenshot-tour: pictures in $out"
