#!/usr/bin/env bash
# The manual page: formats without a warning, and says what the program does.
#   man_page_test.sh MAN_PAGE TYX
# TYX_EMULATOR, where set, is the command that runs a cross-built program.
set -euo pipefail
# man and groff speak, warn and format by the locale; this one every system has.
export LC_ALL=C.UTF-8
page=$1 tyx=$2 run=${TYX_EMULATOR:-}
failed=0
fail() { echo "FAIL: $*"; failed=1; }

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed"
[ -z "$warnings" ] || fail "groff warns: $warnings"
warnings=$(MANPAGER=cat MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man failed"
[ -z "$warnings" ] || fail "man warns: $warnings"

page=$(MANPAGER=cat MANWIDTH=80 man -l "$page" 2>/dev/null) # what a reader sees

usage_line=$($run "$tyx" 13 || true)
usage_line=${usage_line%%$'\n'*}
synopsis=$(sed -n '/^SYNOPSIS$/{n;s/^ *//;s/ *$//;p;}' <<<"$page")
[ "usage: $synopsis" = "$usage_line" ] || fail "synopsis '$synopsis' differs from '$usage_line'"

# Every example on the page shows the program's real output, column for column,
# and its status where it ends with "; echo $?" (else the status is 0): the lines
# below its prompt while blank or indented as far, less that and trailing blanks.
mapfile -t examples < <(sed -n 's/^ *\$ tyx //p' <<<"$page")
[ ${#examples[@]} -gt 0 ] || fail "the page shows no example"
for example in "${examples[@]}"; do
  output=$(eval "$run \"\$tyx\" $example" | sed 's/ *$//') || fail "'tyx $example' ends with status $?"
  shown=$(awk -v prompt="\$ tyx $example" '
    n && $0 != "" && index($0, indent) != 1 { exit }
    n { line = substr($0, at); sub(/ +$/, "", line); print line }
    !n && (at = index($0, prompt)) { n = 1; indent = sprintf("%*s", at - 1, "") }' <<<"$page")
  [ "$shown" = "$output" ] || fail "the example 'tyx $example' differs from its output"
done

for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" ENVIRONMENT EXAMPLES; do
  grep -qx "$section" <<<"$page" || fail "no $section section"
done
[ $failed -eq 0 ] && echo "man page: 0 warnings, synopsis and examples agree with tyx"
exit $failed
