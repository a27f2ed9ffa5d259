#!/usr/bin/env bash
# The Debian packages as a family gets them: apt installs dist/'s two
# packages (and whatever they depend on), the game in /usr/games is played
# from a fresh home by the end-to-end test (picture on screen, a region
# painted, SIGTERM, the settings in the home's ~/.config/pintabo/), a
# colouring sheet is printed and a picture of the child's own is imported
# and printed with the installed commands, then both packages are purged
# and nothing of theirs may be left.
#   package_test.sh DIST SETTINGS_PROBE
# Needs root (or sudo) and a display (scripts/with-display.sh starts one).
# Installed packages of the same name are replaced and purged at the end.
set -u

dist=$(cd "$1" && pwd)
probe=$2
here=$(cd "$(dirname "$0")" && pwd)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set (run under scripts/with-display.sh)"
for tool in apt-get dpkg-query pdfinfo pdftotext convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing"
done
debs=("$dist"/pintabo_*.deb "$dist"/pintabo-data_*.deb)
for deb in "${debs[@]}"; do [ -f "$deb" ] || fail "no package $deb (make package builds them)"; done

work=$(mktemp -d /tmp/pintabo-package-test.XXXXXX)
installed=0
purge() {
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq pintabo pintabo-data >"$work/purge.log" 2>&1
}
cleanup() {
  [ $installed -eq 1 ] && purge
  rm -rf "$work"
}
trap cleanup EXIT

# --- install, as apt does for a family ------------------------------------
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${debs[@]}" \
  >"$work/install.log" 2>&1 || fail "apt-get install: $(tail -n 5 "$work/install.log")"
installed=1
dpkg-query -L pintabo pintabo-data | sort -u >"$work/paths" || fail "dpkg knows no files of the packages"
# The files the packages put there (their folders are found by name below).
while IFS= read -r path; do [ -d "$path" ] || echo "$path"; done <"$work/paths" >"$work/files"
for want in /usr/games/pintabo /usr/games/pintabo-sheets /usr/games/pintabo-import \
  /usr/share/games/pintabo/interface.pak /usr/share/games/pintabo/hpage20.pak \
  /usr/share/man/man6/pintabo.6.gz /usr/share/applications/com.quillfen.pintabo.desktop; do
  grep -qx "$want" "$work/files" || fail "the packages do not install $want"
done
echo "ok: installed $(dpkg-query -W -f '${Package} ${Version} ' pintabo pintabo-data)with $(wc -l <"$work/files") files"

# A home as a new user's: nothing in it, no XDG_* folders set.
home="$work/home"
mkdir -p "$home"
as_child() { (cd "$home" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$@"); }

# --- play: the picture, a region painted, SIGTERM saves -------------------
# The probe may be a sanitizer build; the leaks of the test's own tools are
# not what this checks.
ASAN_OPTIONS=detect_leaks=0 bash "$here/../e2e/game_e2e_test.sh" /usr/games/pintabo "$probe" "$home" ||
  fail "the installed game did not play as it should"
[ -s "$home/.config/pintabo/com.quillfen.pintabo.cfg" ] || fail "no settings in $home/.config/pintabo/"

# --- print a sheet ---------------------------------------------------------
# One page per picture; the title line names it.
one_page() {
  local pdf=$1 title=$2 pages
  pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  [ "$pages" = 1 ] || fail "$pdf has ${pages:-no} pages, not 1"
  pdftotext "$pdf" - | grep -qF "$title" || fail "$pdf does not show the title \"$title\""
}
as_child /usr/games/pintabo-sheets --picture 3 --output three.pdf 2>"$work/err" ||
  fail "pintabo-sheets --picture 3: status $?: $(cat "$work/err")"
one_page "$home/three.pdf" "picture 3"
echo "ok: /usr/games/pintabo-sheets --picture 3 printed one page ($(stat -c %s "$home/three.pdf") bytes)"

# --- import a picture, then print it -------------------------------------
# A sun over a hill under a sky, drawn here.
convert -size 640x480 xc:'#7ec8f0' -fill '#3c9a3c' -draw 'ellipse 320,520 420,200 0,360' \
  -fill '#ffd23c' -draw 'circle 480,120 480,60' -fill '#c0392b' -draw 'rectangle 120,250 220,340' \
  "$work/garden.png" || fail "ImageMagick could not draw the test picture"
as_child /usr/games/pintabo-import "$work/garden.png" --name Garden >"$work/import.log" 2>&1 ||
  fail "pintabo-import: status $?: $(cat "$work/import.log")"
pictures="$home/.local/share/pintabo/pictures"
for pak in page101.pak hpage101.pak; do
  [ -s "$pictures/$pak" ] || fail "pintabo-import wrote no $pictures/$pak: $(cat "$work/import.log")"
done
as_child /usr/games/pintabo-sheets --picture 101 --output garden.pdf 2>"$work/err" ||
  fail "pintabo-sheets --picture 101: status $?: $(cat "$work/err")"
one_page "$home/garden.pdf" "Garden"
echo "ok: /usr/games/pintabo-import made picture 101, \"Garden\", which prints"

# --- purge: nothing of ours is left --------------------------------------
purge || fail "apt-get purge: $(tail -n 5 "$work/purge.log")"
installed=0
for p in pintabo pintabo-data; do
  state=$(dpkg-query -W -f '${db:Status-Status}' "$p" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = not-installed ] || fail "$p is still $state after the purge"
done
left=$(while IFS= read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/files")
[ -z "$left" ] || fail "files left after the purge: $left"
ours=$(find /usr \( -name '*pintabo*' -o -name 'com.quillfen.*' \) 2>/dev/null)
[ -z "$ours" ] || fail "left under /usr after the purge: $ours"
echo "ok: purged; none of the $(wc -l <"$work/files") files and nothing named pintabo is left under /usr"
