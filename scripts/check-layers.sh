#!/usr/bin/env bash
# Folders are layers and depend one way only:
#   common < platform < library < dialogue < progress, info, show < check < app < qt, win32, tools
# A file may include its own folder and any lower one, never a higher or a
# sibling one. Qt headers belong to qt/ and to the platform adapters that say
# Qt in their names; Win32 headers to win32/ and to the Windows platform files
# (Win in their names). What differs between systems lives in platform/ alone:
# elsewhere no #if asks which system this is. Prints every line against that
# and fails on any.
# Usage: check-layers.sh [source folder]   (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

rank() {
  case "$1" in
    common) echo 0 ;; platform) echo 1 ;; library) echo 2 ;; dialogue) echo 3 ;;
    progress | info | show) echo 4 ;; check) echo 5 ;; app) echo 6 ;; qt | win32 | tools) echo 7 ;;
    *) echo "" ;;
  esac
}
folders=(common platform library dialogue progress info show check app qt win32 tools)
system_macros='_WIN32|__linux__|__APPLE__|__unix__|Q_OS_[A-Z0-9_]+'
win32_headers='windows|winuser|winbase|winreg|windowsx|commctrl|commdlg|shellapi|shlobj|shlwapi|psapi|objbase|uxtheme|dwmapi|wingdi|processenv'

bad=0
report() {
  echo "$1" >&2
  bad=1
}

while IFS= read -r file; do
  own=${file%%/*}
  own_rank=$(rank "$own")
  while IFS=: read -r line text; do
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z0-9]+)/ ]]; then
      target=${BASH_REMATCH[1]}
      target_rank=$(rank "$target")
      [ -n "$target_rank" ] || continue
      if [ "$target" != "$own" ] && [ "$target_rank" -ge "$own_rank" ]; then
        report "$file:$line: $own/ may not include $target/ (layers run common < platform < library < dialogue < progress, info, show < check < app < qt, win32, tools)"
      fi
    elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]+|Qt[A-Za-z]*/) ]]; then
      [ "$own" = qt ] || [[ $own = platform && $file == *Qt* ]] ||
        report "$file:$line: a Qt header outside qt/ and the Qt platform adapters"
    elif [[ ${text,,} =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<($win32_headers)\.h\> ]]; then
      [ "$own" = win32 ] || [[ $own = platform && $file == *Win* ]] ||
        report "$file:$line: a Win32 header outside win32/ and the Windows platform files"
    fi
  done < <(grep -n '#[[:space:]]*include' "$file" || true)
  if [ "$own" != platform ]; then
    while IFS=: read -r line text; do
      report "$file:$line: a system's #if outside platform/ (${text#"${text%%[![:space:]]*}"})"
    done < <(grep -nE "^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif)\b.*\b($system_macros)\b" "$file" || true)
  fi
done < <(find "${folders[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) 2>/dev/null | sort)

[ "$bad" -eq 0 ] && echo "check-layers: every include runs down the layers, and only platform/ asks which system it is"
exit "$bad"
