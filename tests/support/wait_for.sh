# Sourced by the end-to-end scripts.
# Waits up to $1 seconds for a command to succeed.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
