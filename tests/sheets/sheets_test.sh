#!/usr/bin/env bash
# pintabo-sheets end to end: every detailed picture on 20 A4 pages, page 9
# rendered by poppler and checked by sheet_probe, the usage errors (status 2
# and the usage line), the failures (status 1, one line, no file left
# behind), the archives of an installed layout, the paper of the locale and
# a picture of the child's own.
#   sheets_test.sh PINTABO_SHEETS SHEET_PROBE DATA_DIR PINTABO_IMPORT
set -u

sheets=$1
probe=$2
data=$3
import=$4

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in pdfinfo pdftoppm pdftotext convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs poppler-utils)"
done

work=$(mktemp -d /tmp/pintabo-sheets-test.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The size of every page of a PDF, as pdfinfo gives it.
page_size() { pdfinfo "$1" | sed -n 's/^Page size: *//p'; }

# Every detailed picture: one A4 page each.
"$sheets" --all --detailed --output "$work/all.pdf" 2>"$work/err" || fail "--all --detailed: status $?: $(cat "$work/err")"
pages=$(pdfinfo "$work/all.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 20 ] || fail "--all --detailed wrote $pages pages, not 20"
case "$(page_size "$work/all.pdf")" in
  "595.276 x 841.89 pts (A4)"*) ;;
  *) fail "the pages are $(page_size "$work/all.pdf"), not A4" ;;
esac
[ -z "$(find "$work" -name '.pintabo-sheets-*')" ] || fail "a temporary file was left behind"

# Page 9 as a printer would see it, at 100 dpi.
pdftoppm -f 9 -l 9 -r 100 -singlefile "$work/all.pdf" "$work/page9" || fail "pdftoppm could not render page 9"
"$probe" "$data/hpage09.pak" 9 "$work/page9.ppm" 100 || fail "page 9 does not show picture 9 and its key"

# Usage errors: status 2, the reason and the usage line, nothing written.
usage_case() {
  "$sheets" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 2 ] || fail "pintabo-sheets $*: status $status, not 2"
  grep -q '^pintabo-sheets: ' "$work/err" || fail "pintabo-sheets $*: no reason on stderr"
  grep -q '^usage: pintabo-sheets ' "$work/err" || fail "pintabo-sheets $*: no usage line on stderr"
  [ ! -e "$work/usage.pdf" ] || fail "pintabo-sheets $*: wrote a file"
}
out=(--output "$work/usage.pdf")
usage_case "${out[@]}" --picture 21
usage_case "${out[@]}" --picture 0
usage_case "${out[@]}" --picture 9x
usage_case "${out[@]}" --language xx
usage_case "${out[@]}" --paper b5
usage_case "${out[@]}" --colour
usage_case "${out[@]}" --picture 3 --all
usage_case "${out[@]}" page9
usage_case --output

# An output that cannot be written: status 1, one line, no file.
"$sheets" --picture 1 --output "$work/all.pdf/sheet.pdf" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "an unwritable output gave status $status, not 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "an unwritable output gave not one line: $(cat "$work/err")"

# Installed as bin/pintabo-sheets with the archives in share/pintabo/: a
# picture whose archive is there prints, a missing one fails with status 1.
mkdir -p "$work/prefix/bin" "$work/prefix/share/pintabo"
cp "$sheets" "$work/prefix/bin/pintabo-sheets"
ln -s "$data/page05.pak" "$work/prefix/share/pintabo/page05.pak"
"$work/prefix/bin/pintabo-sheets" --picture 5 --output "$work/five.pdf" 2>"$work/err" ||
  fail "the installed layout: status $?: $(cat "$work/err")"
"$work/prefix/bin/pintabo-sheets" --picture 6 --output "$work/six.pdf" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "a missing archive gave status $status, not 1"
grep -q 'page06.pak' "$work/err" || fail "a missing archive is not named: $(cat "$work/err")"
[ ! -e "$work/six.pdf" ] || fail "a missing archive left a file"

# Letter paper where the locale's LC_PAPER says so, unless --paper overrides.
mkdir -p "$work/locales"
localedef -i en_US -f UTF-8 "$work/locales/en_US.UTF-8" >/dev/null 2>&1
if [ -e "$work/locales/en_US.UTF-8/LC_PAPER" ]; then
  us=(env -u LC_ALL LOCPATH="$work/locales" LC_PAPER=en_US.UTF-8)
  "${us[@]}" "$sheets" --picture 2 --output "$work/us.pdf" || fail "letter: status $?"
  case "$(page_size "$work/us.pdf")" in
    "612 x 792 pts (letter)"*) ;;
    *) fail "with LC_PAPER=en_US.UTF-8 the page is $(page_size "$work/us.pdf"), not letter" ;;
  esac
  "${us[@]}" "$sheets" --picture 2 --paper a4 --output "$work/a4.pdf" || fail "--paper a4: status $?"
  case "$(page_size "$work/a4.pdf")" in
    "595.276 x 841.89 pts (A4)"*) ;;
    *) fail "--paper a4 gave $(page_size "$work/a4.pdf")" ;;
  esac
else
  echo "note: localedef could not build en_US.UTF-8; the locale's paper is not checked"
fi
# A picture of the child's own prints by its number, titled with its name;
# a number no picture has and a variant that was not made fail with status 1.
export XDG_DATA_HOME="$work/own"
convert -size 240x240 xc:'#f0e0c0' -fill '#3060d0' -draw 'circle 120,120 120,40' \
  -fill '#d03030' -draw 'rectangle 10,10 70,70' "$work/own.png" || fail "convert could not draw a picture"
"$import" "$work/own.png" --name "Our cat" --detail simple >/dev/null 2>"$work/err" ||
  fail "pintabo-import: status $?: $(cat "$work/err")"
"$sheets" --picture 101 --output "$work/own.pdf" 2>"$work/err" || fail "picture 101: status $?: $(cat "$work/err")"
pdftotext "$work/own.pdf" - | grep -q "Paint by numbers: Our cat" || fail "picture 101 is not titled with its name"
"$sheets" --picture 101 --detailed --output "$work/own-detailed.pdf" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "a variant that was not made gave status $status, not 1"
"$sheets" --picture 102 --output "$work/none.pdf" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "a picture nobody made gave status $status, not 1"
[ ! -e "$work/none.pdf" ] && [ ! -e "$work/own-detailed.pdf" ] || fail "a failed own picture left a file"
echo "sheets_test: all checks passed"
