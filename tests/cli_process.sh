#!/bin/sh
# vespera-cli as a process: its JSON read by Python's json module, its exit
# codes as the shell sees them, a reader that stops early, and a man page
# that names every command and option the help shows.
#   tests/cli_process.sh <path to vespera-cli>
set -u
cli="$1"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for args in "tag 8.4.2024" "kalender 8.4.2024" "liste feiertage 2025" "liste finsternisse 2026" \
            "sonne 2025" "differenz 3.5.2024 24.12.2024"; do
    # shellcheck disable=SC2086
    "$cli" $args --format json | python3 -c 'import json, sys; json.load(sys.stdin)' ||
        fail "JSON of '$args' does not parse"
done

expect_exit() {
    expected="$1"
    shift
    "$cli" "$@" >/dev/null 2>&1
    code=$?
    [ "$code" -eq "$expected" ] || fail "'$*' ended with $code, not $expected"
}
expect_exit 0 tag 8.4.2024
expect_exit 2 tag 31.2.2024
expect_exit 2 gibtsnicht
expect_exit 1 tag --ort Xyzzyqwv

# The reader goes away at once: the output (over 64 KiB, more than a pipe
# holds) meets a closed pipe. That is no error and says nothing.
errors=$(mktemp)
( "$cli" sonne 2025 --format json 2>"$errors"; echo $? >"$errors.code" ) | true
status=$(cat "$errors.code")
[ "$status" -eq 0 ] || fail "a closed pipe ended with $status"
[ -s "$errors" ] && fail "a closed pipe wrote to standard error: $(cat "$errors")"
rm -f "$errors" "$errors.code"

manual="$(dirname "$0")/../packaging/vespera-cli.1"
for command in "" tag kalender liste sonne differenz ical; do
    # shellcheck disable=SC2086
    for option in $("$cli" $command --help | grep -oE '(^| |,)--?[a-z]+' | tr -d ' ,' | sort -u); do
        grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$manual" ||
            fail "the man page does not name $option${command:+ of $command}"
    done
    [ -z "$command" ] || grep -qE "^\.B[IR]? $command( |$)" "$manual" || fail "the man page does not name $command"
done
exit "$failed"
