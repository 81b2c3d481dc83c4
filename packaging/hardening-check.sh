#!/usr/bin/env bash
# hardening-check (devscripts) on a program, asking for the protections that its architecture and
# C library can give it; CC names its compiler (by default cc, this machine's):
#   [CC=COMPILER] packaging/hardening-check.sh PROGRAM
set -euo pipefail
options=()
# Control-flow protection (x86) only where the C library's start files carry it (Debian 12's and
# 13's do not): a program has it only if every part linked in has it.
start=$("${CC:-cc}" -print-file-name=Scrt1.o)
[ -f "$start" ] || { echo "${CC:-cc} has no start file Scrt1.o" >&2; exit 1; }
readelf -n "$start" | grep -q 'x86 feature:.*IBT' || options+=(--nocfprotection)
# Branch protection (BTI and PAC) exists on AArch64 only; older releases'
# hardening-check does not look for it.
if grep -q -- nobranchprotection "$(command -v hardening-check)" &&
  ! readelf -h "$1" | grep -q 'Machine: *AArch64'; then
  options+=(--nobranchprotection)
fi
hardening-check "${options[@]}" "$1"
