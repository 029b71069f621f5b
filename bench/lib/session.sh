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

cleanup_scratch() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
