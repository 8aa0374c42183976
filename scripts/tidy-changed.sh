#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy: faults it can find, not style)
# on the program's C++ files that changed: those the newest commit changed,
# or every commit since LUMIVOX_TIDY_SINCE (a commit), and any not committed
# yet. The flags come from the build given (default build/); a finding fails.
#   LUMIVOX_TIDY_SINCE=main scripts/tidy-changed.sh     a branch's files
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
since=${LUMIVOX_TIDY_SINCE:-HEAD^}

if ! command -v run-clang-tidy >/dev/null 2>&1; then
  echo "tidy-changed: clang-tidy is not installed (./scripts/install-packages.sh base)" >&2
  exit 2
fi
git rev-parse --verify -q "$since^{commit}" >/dev/null || since=$(git rev-list --max-parents=0 HEAD | tail -1)

mapfile -t changed < <({ git diff --name-only --diff-filter=d "$since" -- '*.cpp'; git ls-files --others --exclude-standard -- '*.cpp'; } |
  grep -E '^(app|check|common|dialogue|info|library|platform|progress|qt|show|tools)/' | sort -u || true)
# Only files this build compiles (the Windows ones are not).
files=()
for file in "${changed[@]}"; do
  grep -qF "\"file\": \"$PWD/$file\"" "$build/compile_commands.json" && files+=("$PWD/$file")
done
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy-changed: no changed C++ file of the program since $(git rev-parse --short "$since")"
  exit 0
fi
echo "tidy-changed: ${#files[@]} file(s) changed since $(git rev-parse --short "$since")"
run-clang-tidy -p "$build" -quiet -j "$(nproc)" "${files[@]}" >"$build/tidy.log" 2>&1 || {
  grep -E 'error:|warning:' -A3 "$build/tidy.log" | grep -v 'warnings generated' >&2
  echo "tidy-changed: clang-tidy found faults (all of its output in $build/tidy.log)" >&2
  exit 1
}
