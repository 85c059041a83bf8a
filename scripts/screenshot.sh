#!/usr/bin/env bash
# Takes the README's pictures of the real box: Bootspan.exe under Wine's
# virtual desktop (which draws the caption bar) on a private Xvfb display,
# cropped to the box with a small margin. Needs the win32 build.
#
#   scripts/screenshot.sh      # docs/bootspan-box.png (en_US), docs/bootspan-box-zh-tw.png (zh_TW),
#                              # docs/bootspan-box-192dpi.png (en_US at 192 DPI, twice the size)
#
# Each picture is written to a temporary name and moved into place only when
# it is complete; a failed run leaves the committed pictures as they were.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

fail() {
  echo "screenshot: $*" >&2
  exit 1
}
need() { command -v "$1" >/dev/null 2>&1 || fail "$1 is missing; install the package $2"; }
need wine wine
need Xvfb xvfb
need import imagemagick
need xwininfo x11-utils
need fc-list fontconfig
# Wine's own fonts draw the caption bar's buttons; a CJK font the Chinese
# designators of the double-byte picture (without one Wine shows squares).
[ -f /usr/share/wine/fonts/marlett.ttf ] || fail "Wine's fonts are missing; install the package fonts-wine"
fc-list :lang=zh-tw | grep -q . || fail "no Chinese font; install the package fonts-wqy-zenhei"

program=$root/build/win32/app/Bootspan.exe
probe=$root/build/win32/tests/e2e/box_probe.exe
[ -f "$program" ] && [ -f "$probe" ] ||
  fail "no win32 build; run: cmake --preset win32 && cmake --build --preset win32"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1400x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(cat "$work/display")

export WINEPREFIX=$root/build/screenshot-prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "screenshot: creating the Wine prefix $WINEPREFIX"
  wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -3 "$work/wineboot.log")"
  wineserver -w
fi
# This Wine finds its own fonts only in the prefix's font folder.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# shoot LOCALE PICTURE CHARSET [DPI]: shows the box in LOCALE with the screen
# at DPI (Wine's LogPixels, 96 by default) and writes PICTURE.
shoot() {
  local locale=$1 picture=$2 dpi=${4:-96} desktop=Bootspan out=$work/probe.out
  rm -f "$out"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
    fail "could not set the DPI to $dpi"
  LC_ALL=$locale wine explorer "/desktop=$desktop,$((640 * dpi / 96))x$((240 * dpi / 96))" \
    "$probe" --hold 3000 "$program" >"$out" 2>/dev/null &
  local runner=$!
  for _ in $(seq 300); do grep -q '^rect=' "$out" 2>/dev/null && break; sleep 0.1; done
  grep -q '^rect=' "$out" || fail "no box appeared in $locale: $(cat "$out")"
  sleep 0.5 # let the box finish drawing

  local left top right bottom x y margin=12
  IFS=, read -r left top right bottom < <(sed -n 's/^rect=//p' "$out" | tr -d '\r')
  read -r x y < <(xwininfo -name "$desktop - Wine desktop" |
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
  local geometry
  geometry=$((right - left + 2 * margin))x$((bottom - top + 2 * margin))
  geometry+=+$((x + left - margin))+$((y + top - margin))
  import -window root -crop "$geometry" +repage "$work/picture.png" ||
    fail "import could not take the picture"
  wait "$runner" || true
  grep -q '^exit=0' "$out" || fail "Bootspan.exe did not end with exit code 0 in $locale"
  mv "$work/picture.png" "$picture.tmp" && mv "$picture.tmp" "$picture"
  echo "screenshot: $picture ($(sed -n 's/^text=//p' "$out" | tr -d '\r' | iconv -f "$3" -t UTF-8))"
}

mkdir -p docs
shoot en_US.UTF-8 docs/bootspan-box.png CP1252
shoot zh_TW.UTF-8 docs/bootspan-box-zh-tw.png CP950
shoot en_US.UTF-8 docs/bootspan-box-192dpi.png CP1252 192
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
