#!/usr/bin/env bash
# `pintabo --check-config` on files in a temporary XDG_CONFIG_DIRS and
# XDG_CONFIG_HOME: every key once with where it came from, status 0; a
# fault said on standard error with status 2; --no-system-config leaving
# the machine's file out; and what it prints read back as a file gives the
# same settings.
#   check_config_test.sh PINTABO
# Skipped (status 77) on a machine that has a /etc/pintabo/pintabo.conf of
# its own.
set -u
game=$1
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ -e /etc/pintabo/pintabo.conf ] && { echo "SKIP: this machine has /etc/pintabo/pintabo.conf"; exit 77; }

work=$(mktemp -d /tmp/pintabo-check-config.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/xdg/pintabo" "$work/home/pintabo"
machine="$work/xdg/pintabo/pintabo.conf"
user="$work/home/pintabo/pintabo.conf"
export HOME="$work" XDG_CONFIG_DIRS="$work/xdg" XDG_CONFIG_HOME="$work/home" XDG_DATA_HOME="$work/data"

check() {
  "$game" --check-config "$@" >"$work/out" 2>"$work/err"
  echo $?
}
line() { grep -c -x -F -- "$1" "$work/out"; }

printf '# the school\nlanguage = de\nquit = no\n' >"$machine"
printf 'window = 1024x768\n' >"$user"
status=$(check --sound=no)
[ "$status" = 0 ] || fail "status $status for good files: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "good files said: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" = 14 ] || fail "not one line a key: $(cat "$work/out")"
for want in "language = de  # $machine:2" "quit = no  # $machine:3" "window = 1024x768  # $user:1" \
  "sound = no  # command line" "music = yes  # built in" "mode = numbers-simple  # built in" \
  "pictures-folder = $work/data/pintabo/pictures/  # built in"; do
  [ "$(line "$want")" = 1 ] || fail "no line \"$want\" in: $(cat "$work/out")"
done

# What it printed, as the user's file, says the same.
cp "$work/out" "$work/printed"
cp "$work/printed" "$user"
status=$(check --no-system-config)
[ "$status" = 0 ] || fail "status $status reading back its own output: $(cat "$work/err")"
diff <(sed 's/  #.*//' "$work/printed") <(sed 's/  #.*//' "$work/out") >&2 || fail "read back, the settings differ"

# A fault: one line naming the file, the line and the key; the rest is taken.
printf 'camera = no\nsound = maybe\n' >"$user"
status=$(check)
[ "$status" = 2 ] || fail "status $status for a bad value"
[ "$(cat "$work/err")" = "pintabo: $user:2: sound: \"maybe\" is not yes or no" ] || fail "said: $(cat "$work/err")"
[ "$(line "camera = no  # $user:1")" = 1 ] || fail "the good line was lost: $(cat "$work/out")"
[ "$(line "sound = yes  # built in")" = 1 ] || fail "the bad value was taken: $(cat "$work/out")"

# Without the machine's file.
status=$(check --no-system-config)
[ "$(line "quit = yes  # built in")" = 1 ] || fail "--no-system-config read the machine's file: $(cat "$work/out")"

# A folder in the user file's place is said, and is a fault.
rm "$user"
mkdir "$user"
status=$(check)
[ "$status" = 2 ] || fail "status $status with a folder for a file"
[ "$(cat "$work/err")" = "pintabo: $user: cannot be read: Is a directory" ] || fail "said: $(cat "$work/err")"

"$game" --help >"$work/out" 2>&1 || fail "--help failed"
grep -q -- --check-config "$work/out" || fail "--help does not name --check-config"
echo "check-config: all cases passed"
