#!/usr/bin/env bash
# Runs a Windows program under Wine with its exit status, quietly, in Kadenzo's own Wine prefix
# (KADENZO_WINEPREFIX, default ~/.cache/kadenzo-wine). The first run creates the prefix.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh --prepare     only create the prefix, saying so
set -euo pipefail

usage="usage: wine-run.sh PROGRAM.exe [ARGUMENTS...] | --prepare"
if [ $# -eq 0 ]; then
  echo "$usage" >&2
  exit 2
fi
if [ "$1" = "--help" ]; then
  echo "$usage"
  exit 0
fi

wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "wine-run: $wine not found; run scripts/setup.sh" >&2
  exit 127
fi

export WINEDEBUG=-all
export WINEPREFIX="${KADENZO_WINEPREFIX:-${HOME:-/tmp}/.cache/kadenzo-wine}"
# No Mono or Gecko installer prompts: our programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Tests run in parallel; only one of them may create the prefix. Silent unless preparing, since
# the programs' own output is what tests compare.
mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      [ "$1" = "--prepare" ] && echo "wine-run: creating the Wine prefix $WINEPREFIX (once, about 10 s)"
      "$wine" wineboot -i </dev/null >/dev/null 2>&1
      /usr/lib/wine/wineserver -w 2>/dev/null || true
    fi
  ) 9>"$WINEPREFIX.lock"
fi

if [ "$1" = "--prepare" ]; then
  exit 0
fi
exec "$wine" "$@"
