#!/usr/bin/env bash
# The install tree: `cmake --install` puts exactly the expected files where
# they belong, and the installed program works.
#   install_test.sh BUILD_DIR PROGRAM [FILE...]
# PROGRAM and the FILEs are paths below the prefix. TYX_EMULATOR, where set,
# is the command that runs a cross-built program.
set -euo pipefail
build=$1
program=$2
shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
found=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
expected=$(printf './%s\n' "$@" | sort | tr '\n' ' ')
[ "$found" = "$expected" ] || { echo "FAIL: installed $found, not $expected"; exit 1; }
run=${TYX_EMULATOR:-}
installed=$($run "$prefix/$program" 1 1800) || { echo "FAIL: the installed tyx does not run"; exit 1; }
[ "$installed" = "$($run "$build/$(basename "$program")" 1 1800)" ] || { echo "FAIL: installed tyx differs"; exit 1; }
if [ -f "$prefix/share/man/man1/tyx.1" ]; then
  grep -q '^\.TH TYX 1 .*"tyx [0-9]' "$prefix/share/man/man1/tyx.1" || { echo "FAIL: no version in the page"; exit 1; }
fi
echo "install tree: $found"
