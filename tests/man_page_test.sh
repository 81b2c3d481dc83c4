#!/usr/bin/env bash
# The manual page: formats without a warning, and says what the program does.
#   man_page_test.sh MAN_PAGE TYX
# TYX_EMULATOR, where set, is the command that runs a cross-built program.
set -euo pipefail
# man and groff speak, warn and format by the locale; this one every system has.
export LC_ALL=C.UTF-8
page=$1
tyx=$2
run=${TYX_EMULATOR:-}
failed=0
fail() { echo "FAIL: $*"; failed=1; }

warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff failed"
[ -z "$warnings" ] || fail "groff warns: $warnings"
warnings=$(MANPAGER=cat MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man failed"
[ -z "$warnings" ] || fail "man warns: $warnings"

# What a reader sees, without the page's indentation and trailing blanks.
rendered=$(MANPAGER=cat MANWIDTH=80 man -l "$page" 2>/dev/null | sed 's/^ *//; s/ *$//')

usage_line=$($run "$tyx" 13 || true)
usage_line=${usage_line%%$'\n'*}
synopsis=$(printf '%s\n' "$rendered" | sed -n '/^SYNOPSIS$/{n;p;}')
[ "usage: $synopsis" = "$usage_line" ] || fail "synopsis '$synopsis' differs from '$usage_line'"

# Every example shows the program's real output.
for example in "1 1800" "2 99" "13 2024"; do
  # shellcheck disable=SC2086 # the example is split into its arguments on purpose
  output=$($run "$tyx" $example | sed 's/^ *//; s/ *$//' || true)
  [[ "$rendered" == *"$ tyx $example"*"$output"* ]] || fail "the example 'tyx $example' differs from its output"
done

for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" ENVIRONMENT EXAMPLES; do
  grep -qx "$section" <<<"$rendered" || fail "no $section section"
done
[ $failed -eq 0 ] && echo "man page: 0 warnings, synopsis and examples agree with tyx"
exit $failed
