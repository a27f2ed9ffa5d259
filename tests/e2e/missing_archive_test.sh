#!/usr/bin/env bash
# A build whose data/ folder lost one archive: the game names that archive and
# the folder it looked in (the one beside it that holds the others, not the
# installed share/ folder), says how to restore it, and exits with status 1.
#   missing_archive_test.sh PINTABO DATA_FOLDER
set -u
game=$1
data=$2
[ -n "${DISPLAY:-}" ] || { echo "FAIL: DISPLAY is not set" >&2; exit 1; }
work=$(mktemp -d /tmp/pintabo-missing.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin/data" "$work/config"
cp "$game" "$work/bin/pintabo"
for pak in "$data"/*.pak; do
  [ "$(basename "$pak")" = interface.pak ] || ln -s "$pak" "$work/bin/data/"
done
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy timeout 60 "$work/bin/pintabo" >"$work/out" 2>&1
status=$?
said=$(cat "$work/out")
[ "$status" -eq 1 ] || { echo "FAIL: status $status, not 1: $said" >&2; exit 1; }
for want in "interface.pak" "$work/bin/data/" "Reinstalling the game"; do
  case "$said" in
    *"$want"*) ;;
    *) echo "FAIL: the message does not say \"$want\": $said" >&2; exit 1 ;;
  esac
done
case "$said" in
  *share/pintabo*) echo "FAIL: the message names the installed folder: $said" >&2; exit 1 ;;
esac
echo "ok: $said"
