# Shared set-up of the comparison scripts: tools they need, a scratch folder and
# the processes they start, all cleaned up when the script ends.

# require_tools NAME TOOL... : skips the script (exit 0) when a tool is missing.
require_tools() {
  local name="$1"; shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is missing, skipped"; exit 0; }
  done
}

# start_scratch: sets $work to a fresh folder; processes added to pids=() end with the script.
start_scratch() {
  work=$(mktemp -d)
  pids=()
  trap cleanup_scratch EXIT
}

# start_orvel_scratch: start_scratch, and Orvel's settings, state, data and runtime
# folders inside $work, no sound device and a UTF-8 locale for what the script starts.
start_orvel_scratch() {
  start_scratch
  export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
  export XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy LANG=C.UTF-8
  # Orvel under the scripts' own X server is in an X11 session, whatever desktop runs the script.
  unset WAYLAND_DISPLAY XDG_SESSION_TYPE
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

cleanup_scratch() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}

# start_x_server MODE NAME: Xvfb on a free display (DISPLAY exported), with openbox
# when MODE is openbox; sets server and wm_pid (empty without a window manager).
start_x_server() {
  local mode="$1" name="$2"
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  server=$!; pids+=("$server")
  for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { echo "$name: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -1 "$work/display")"
  wm_pid=""
  if [ "$mode" = openbox ]; then
    openbox --sm-disable >/dev/null 2>&1 & wm_pid=$!; pids+=("$wm_pid")
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
  fi
}

stop_x_server() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  kill "$server" 2>/dev/null; wait "$server" 2>/dev/null
}
