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

# What a reader sees: the page as man renders it, and without its indentation
# and trailing blanks for the sections and the synopsis.
page=$(MANPAGER=cat MANWIDTH=80 man -l "$page" 2>/dev/null)
rendered=$(printf '%s\n' "$page" | sed 's/^ *//; s/ *$//')

usage_line=$($run "$tyx" 13 || true)
usage_line=${usage_line%%$'\n'*}
synopsis=$(printf '%s\n' "$rendered" | sed -n '/^SYNOPSIS$/{n;p;}')
[ "usage: $synopsis" = "$usage_line" ] || fail "synopsis '$synopsis' differs from '$usage_line'"

# Every example shows the program's real output, column for column: below its
# prompt line, only the example block's own indentation is removed, and the
# trailing blanks that the renderer drops.
for example in "1 1800" "2 99" "13 2024"; do
  # shellcheck disable=SC2086 # the example is split into its arguments on purpose
  output=$($run "$tyx" $example | sed 's/ *$//' || true)
  prompt=$(printf '%s\n' "$page" | grep -n -m 1 -F -- "\$ tyx $example" || true)
  [ -n "$prompt" ] || { fail "no example 'tyx $example'"; continue; }
  line=${prompt%%:*}
  indent=${prompt#*:}
  indent=${indent%%\$*}
  count=$(printf '%s\n' "$output" | wc -l)
  shown=$(printf '%s\n' "$page" | sed -n "$((line + 1)),$((line + count))p" | sed "s/^$indent//; s/ *\$//")
  [ "$shown" = "$output" ] || fail "the example 'tyx $example' differs from its output:
$shown"
done

for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" ENVIRONMENT EXAMPLES; do
  grep -qx "$section" <<<"$rendered" || fail "no $section section"
done
[ $failed -eq 0 ] && echo "man page: 0 warnings, synopsis and examples agree with tyx"
exit $failed
