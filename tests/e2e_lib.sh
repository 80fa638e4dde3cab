# Shared by the end-to-end scripts; sourced, not run.

# Within a deadline in tenths of a second, waits until the command succeeds.
wait_for() {
  local tenths=$1; shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
