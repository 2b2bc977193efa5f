#!/usr/bin/env bash
# Fails when a text the player sees escapes translation: lupdate, run over the sources into a copy
# of each translations/*.ts, finds a text with no translation yet, or a translation whose text is
# no longer in the game. The build's test translations_complete runs it with the build's options.
#   scripts/check-translations.sh LUPDATE [lupdate options...]
# To bring new texts into the .ts files: cmake --build build --target update_translations
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t sources < <(find src/game src/front \( -name '*.h' -o -name '*.cpp' \) | sort)
status=0
for ts in translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -I src "$@" "${sources[@]}" -ts "$copy"
  if grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$ts: the texts above have no translation, or are no longer in the game" >&2
    status=1
  fi
done
exit $status
