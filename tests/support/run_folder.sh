# Sourced by the end-to-end scripts that start the Linux program themselves.
# make_run_folder <Data folder>: a scratch folder `work` whose run/ holds a
# copy of that Data folder, to start the program in, and whose runtime/ is
# its XDG_RUNTIME_DIR. What the script starts goes into `pids`; on exit it is
# all stopped and the folder removed.
make_run_folder() {
  work=$(mktemp -d)
  pids=()
  trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
  mkdir "$work/run" "$work/runtime"
  chmod 700 "$work/runtime"
  cp -r "$1" "$work/run/Data"
}

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}
