#!/usr/bin/env bash
# Installs what is needed, builds thermbook and starts it.
#
# With --sim, a simulated recorder is started first and offered to thermbook as its
# serial port, so everything can be tried without hardware; thermbook's exit stops it.
# Options for the simulator come from RECORDER_SIM_ARGS, for example
#   RECORDER_SIM_ARGS="--pace --state /tmp/recorder.state" bash tools/run.sh --sim
# Every other argument goes to thermbook.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

use_sim=0
args=()
for arg in "$@"; do
  if [ "$arg" = "--sim" ]; then
    use_sim=1
  else
    args+=("$arg")
  fi
done

bash "$top/tools/setup-debian.sh"

build="$top/build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --parallel "$(nproc)"

if [ "$use_sim" -eq 0 ]; then
  exec "$build/app/thermbook" ${args[@]+"${args[@]}"}
fi

sim_args=()
read -r -a sim_args <<<"${RECORDER_SIM_ARGS:-}"
sim_log="$build/recorder-sim.log"
exec {sim_out}< <(exec "$build/tools/recorder-sim/recorder-sim" ${sim_args[@]+"${sim_args[@]}"} 2>"$sim_log")
sim_pid=$!
stop_sim() {
  kill -TERM "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
}
trap stop_sim EXIT

# The simulator's first line is the path of its terminal.
pty=""
if ! read -r -t 10 -u "$sim_out" pty || [ -z "$pty" ]; then
  echo "run: the recorder simulator did not start; see $sim_log" >&2
  cat "$sim_log" >&2 || true
  exit 1
fi
echo "run: simulated recorder on $pty (log: $sim_log)"

export THERMBOOK_SERIAL_PORTS="$pty"
status=0
"$build/app/thermbook" ${args[@]+"${args[@]}"} || status=$?
exit "$status"
