# Sourced by the end-to-end tests: starts a private Xvfb, exports DISPLAY,
# and stops it (and anything started with `launch`) when the test exits.
set -euo pipefail

workdir=$(mktemp -d)
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do
  [ -s "$workdir/display" ] && break
  sleep 0.1
done
[ -s "$workdir/display" ] || { echo "Xvfb did not start:"; cat "$workdir/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# launch CMD...: starts a program in the background, to be stopped at exit.
launch() {
  "$@" >"$workdir/program.log" 2>&1 &
  pids+=($!)
  launched=$!
}

# window_of TITLE-PART: waits for the window and prints its id.
window_of() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window named '$1' appeared"; cat "$workdir/program.log"; exit 1; }
  echo "$id"
}
