#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo that `cmake --install`
# ships. desktop-file-validate and appstreamcli run when they are on PATH
# (a line says so when one is not); any error or warning fails, pedantic
# hints included. Independently of those tools, checks that the files agree
# with each other, and that the project's version in CMakeLists.txt (which
# the game's about panel and the manual pages take) is the newest release
# of the metainfo and of debian/changelog.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
id=com.quillfen.pintabo
desktop="$top/tools/$id.desktop"
metainfo="$top/tools/$id.metainfo.xml"

status=0
fail() { echo "validate-packaging: $*" >&2; status=1; }

for f in "$desktop" "$metainfo"; do
  [ -f "$f" ] || { fail "missing $f"; exit 1; }
done

# desktop-file-validate exits 0 on warnings and on errors that are
# "fatal in the future", so its report is read as well as its status.
if command -v desktop-file-validate >/dev/null 2>&1; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  rc=$?
  [ -n "$out" ] && echo "$out"
  if [ $rc -ne 0 ] || grep -qE ': (error|warning):' <<<"$out"; then
    fail "desktop-file-validate rejects $(basename "$desktop")"
  else
    echo "desktop-file-validate: $(basename "$desktop") passes"
  fi
else
  echo "desktop-file-validate not found: desktop entry check skipped"
fi

# appstreamcli fails on errors and warnings by itself; --strict makes the
# pedantic hints fail too.
if command -v appstreamcli >/dev/null 2>&1; then
  if ! appstreamcli validate --pedantic --strict --no-net "$metainfo"; then
    fail "appstreamcli rejects $(basename "$metainfo")"
  fi
else
  echo "appstreamcli not found: metainfo check skipped"
fi

# The two files and CMakeLists.txt must agree.
version=$(sed -nE 's/^project\([^)]*VERSION ([0-9.]+).*/\1/p' "$top/CMakeLists.txt" | head -n1)
newest=$(sed -nE 's/.*<release [^>]*version="([^"]+)".*/\1/p' "$metainfo" | head -n1)
[ -n "$version" ] || fail "no project version found in CMakeLists.txt"
[ "$newest" = "$version" ] ||
  fail "newest release in the metainfo is '$newest', the project version is '$version'"
# The package's first line: "pintabo (VERSION) DISTRIBUTION; urgency=...".
packaged=$(sed -nE '1s/^pintabo \(([^)]+)\).*/\1/p' "$top/debian/changelog")
[ "$packaged" = "$version" ] ||
  fail "newest entry of debian/changelog is '$packaged', the project version is '$version'"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -qx "Exec=pintabo" "$desktop" || fail "the desktop entry does not run pintabo"
grep -q "<binary>pintabo</binary>" "$metainfo" || fail "the metainfo does not provide the binary pintabo"

[ $status -eq 0 ] && echo "validate-packaging: desktop entry, metainfo and debian/changelog agree (version $version)"
exit $status
