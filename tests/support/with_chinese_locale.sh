#!/bin/sh
# Runs a command in a Chinese UTF-8 locale, built on first use into the given
# folder, so it needs no system-wide locale. Under Wine that locale makes the
# ANSI code page GBK (936), as on a Chinese Windows.
# Usage: with_chinese_locale.sh <locale folder> <command> [arguments...]
set -eu
dir=$1
shift
if [ ! -f "$dir/zh_CN.UTF-8/LC_CTYPE" ]; then
  mkdir -p "$dir"
  new=$(mktemp -d "$dir/.new.XXXXXX")
  localedef -i zh_CN -f UTF-8 "$new/zh_CN.UTF-8" >/dev/null 2>&1 || true
  if [ ! -f "$new/zh_CN.UTF-8/LC_CTYPE" ]; then
    rm -rf "$new"
    echo "with_chinese_locale: cannot build zh_CN.UTF-8 (localedef and the 'locales' package are needed)" >&2
    exit 1
  fi
  # Another test may have built it meanwhile; either copy will do.
  mv -T "$new/zh_CN.UTF-8" "$dir/zh_CN.UTF-8" 2>/dev/null || true
  rm -rf "$new"
fi
LOCPATH=$dir LC_ALL=zh_CN.UTF-8 exec "$@"
