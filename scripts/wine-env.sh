# Sourced by the scripts: a private Wine prefix inside the build folder, quiet and headless.
# TOVI_BUILD names the build: build/ (the i686 product, default) or build64/ (the 64-bit twin);
# the build's wine-arch file says which Wine runs it.
: "${TOVI_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export TOVI_BUILD
export WINEPREFIX="${WINEPREFIX_TOVI:-$TOVI_BUILD/wineprefix}"
WINEARCH=$(cat "$TOVI_BUILD/wine-arch" 2>/dev/null || echo win32)
export WINEARCH
export WINEDEBUG=-all
# /usr/bin/wine always takes the 32-bit loader where it is installed: the twin's programs, and
# Wine's own (wineboot, winepath, reg, regedit), start from the 64-bit loader directly.
if [ "$WINEARCH" = win64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  wine() { /usr/lib/wine/wine64 "$@"; }
  wineboot() { wine wineboot "$@"; }
  winepath() { wine winepath "$@"; }
else
  unset -f wine wineboot winepath
  [ "${WINELOADER:-}" = /usr/lib/wine/wine64 ] && unset WINELOADER
fi
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

# wine_prefix_ready: creates the prefix once, before tests run in parallel, and makes its
# settings.
wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  wine_prefix_settings
}

# Settings of the prefix, made once (a marker file in the prefix records them):
# - the face "ＭＳ ゴシック" (MS Gothic) of the page controls is replaced by IPAGothic, and the
#   caption font Tahoma is linked to it for the Japanese title, so that both languages render;
# - the windows of the in-process window tests are not handed to a window manager (there is
#   none on the headless server; Wine would wait two seconds for one at every window's end);
# - a program that faults is not handed to Wine's debugger, which can wait without end on a
#   headless server: the program ends with its exception, and a test run reports it.
wine_prefix_settings() {
  local marker="$WINEPREFIX/.tovi-prefix-settings-2"
  [ -f "$marker" ] && return 0
  local reg="$WINEPREFIX/tovi-fonts.reg"
  # regedit reads the UTF-16 form reliably whatever the shell's locale.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ ゴシック"="IPAGothic"' '' | iconv -f UTF-8 -t UTF-16 > "$reg"
  local links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local window_test='HKCU\Software\Wine\AppDefaults\config_window_test.exe\X11 Driver'
  if wine regedit /S "$reg" >/dev/null 2>&1 &&
     wine reg add "$links" /v Tahoma /t REG_MULTI_SZ /d 'ipag.ttf,IPAGothic' /f >/dev/null 2>&1 &&
     wine reg add "$window_test" /v Managed /d N /f >/dev/null 2>&1 &&
     wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null 2>&1; then
    wineserver -w || true
    touch "$marker"
  fi
  rm -f "$reg"
}

# start_headless_x: an Xvfb server of our own for the duration of the calling script.
start_headless_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TOVI_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_headless_x() {
  [ -n "${TOVI_XVFB_PID:-}" ] && kill "$TOVI_XVFB_PID" 2>/dev/null || true
}

# import_game_packages: the game folder's sample add-on packages, as their installers would
# have recorded them, into the prefix's uninstall keys.
import_game_packages() {
  local registry="$TOVI_BUILD/game_packages.reg"
  [ -f "$registry" ] || return 0
  wine regedit /S "$(winepath -w "$registry" 2>/dev/null)" >/dev/null 2>&1 || true
}
