#!/usr/bin/env bash
# The Debian package, made from the build as a release would make it, unpacked
# into a scratch folder and run from there. lintian, in CI, checks the rest.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
arch=$(dpkg --print-architecture)
deb=$scratch/out/tyx_${version}_${arch}.deb
[ -f "$deb" ] || { echo "FAIL: no $deb among: $(ls "$scratch/out")"; exit 1; }

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
dpkg-deb -f "$deb" Depends | grep -q '^libc6 (>= ' || fail "Depends: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb -x "$deb" "$scratch/root"
files=$(cd "$scratch/root" && find . -type f | sort | tr '\n' ' ')
expected="./usr/bin/tyx ./usr/share/doc/tyx/changelog.gz ./usr/share/doc/tyx/copyright ./usr/share/man/man1/tyx.1.gz "
[ "$files" = "$expected" ] || fail "files: $files"
[ "$("$scratch/root/usr/bin/tyx" 1 1800)" = "$("$build/tyx" 1 1800)" ] || fail "the unpacked tyx differs"
zcat "$scratch/root/usr/share/doc/tyx/changelog.gz" | grep -q "^tyx ($version) " ||
  fail "the changelog's newest entry is not $version"
[ $failed -eq 0 ] && echo "package: $(basename "$deb"), $files"
exit $failed
