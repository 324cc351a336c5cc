#!/usr/bin/env bash
# The settings window's screenshots as the run command makes them, taken in a copy of the game
# folder on the tests' X display: each of the five pages in English and in Japanese is a picture
# of more than a few colours, the five pages of a language differ, and each Japanese page differs
# from its English one.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/wine-env.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$TOVI_BUILD/game" "$work/game"
bash "$top/scripts/config_screenshots" "$work/game" "$work/shots"

pages=(page0-game_system page1-display page2-graphics page3-sound page4-system_info)
failed=0
fail() { echo "FAILED: $*"; failed=1; }
declare -A signature_of
for language in english japanese; do
  for page in "${pages[@]}"; do
    shot="$work/shots/$language/$page.png"
    if [ ! -s "$shot" ]; then
      fail "$language/$page.png was not written"
      continue
    fi
    read -r colours signature <<< "$(identify -format '%k %#' "$shot")"
    echo "$language/$page.png: $colours colours"
    [ "$colours" -gt 8 ] || fail "$language/$page.png is blank ($colours colours)"
    for other in "${!signature_of[@]}"; do
      [ "${signature_of[$other]}" != "$signature" ] || fail "$language/$page.png is the same picture as $other"
    done
    signature_of["$language/$page.png"]=$signature
  done
done
exit "$failed"
