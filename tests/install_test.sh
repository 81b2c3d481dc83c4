#!/usr/bin/env bash
# The install tree: `cmake --install` puts the program and its manual page
# where GNUInstallDirs says, and the installed program works.
#   install_test.sh BUILD_DIR
# TYX_EMULATOR, where set, is the command that runs a cross-built program.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
found=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
[ "$found" = "./bin/tyx ./share/man/man1/tyx.1 " ] || { echo "FAIL: installed $found"; exit 1; }
run=${TYX_EMULATOR:-}
[ "$($run "$prefix/bin/tyx" 1 1800)" = "$($run "$build/tyx" 1 1800)" ] || { echo "FAIL: installed tyx differs"; exit 1; }
grep -q '^\.TH TYX 1 .*"tyx [0-9]' "$prefix/share/man/man1/tyx.1" || { echo "FAIL: no version in the page"; exit 1; }
echo "install tree: $found"
