#!/usr/bin/env bash
# hardening-check (devscripts) on a program, asking for the protections that
# its architecture and C library can give it:
#   packaging/hardening-check.sh PROGRAM
set -euo pipefail
options=()
# Control-flow protection (x86) only where the C library's start files carry
# it (Debian 12's and 13's do not): a program has it only if every part
# linked in has it.
readelf -n "$(cc -print-file-name=Scrt1.o)" 2>/dev/null | grep -q 'x86 feature:.*IBT' ||
  options+=(--nocfprotection)
# Branch protection (BTI and PAC) exists on AArch64 only; older releases'
# hardening-check does not look for it.
if grep -q -- nobranchprotection "$(command -v hardening-check)" &&
  ! readelf -h "$1" | grep -q 'Machine: *AArch64'; then
  options+=(--nobranchprotection)
fi
hardening-check "${options[@]}" "$1"
