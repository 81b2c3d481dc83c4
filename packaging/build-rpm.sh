#!/usr/bin/env bash
# The RPM and the source RPM from the release tarball, built as a user without root with RPM
# distributions' settings for reproducible packages, then held to rpmlint, relocations and hardening:
#   packaging/build-rpm.sh tyx-VERSION.tar.gz TOPDIR [RPMBUILD-OPTION...]
# into TOPDIR/RPMS and TOPDIR/SRPMS, rpmbuild's output in TOPDIR/build.log. Unless the options say
# --nocheck, the whole suite must have passed in %check. Every time in them is SOURCE_DATE_EPOCH, by
# default the tarball's (the commit's); they are built in one fixed folder, which headers hold.
set -euo pipefail
tarball=$(realpath "$1")
top=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
mkdir -p "$top"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  listed=$(TZ=UTC0 tar -tvzf "$tarball" --full-time --wildcards '*/CHANGELOG.md')
  SOURCE_DATE_EPOCH=$(TZ=UTC0 date -d "$(awk '{ print $4, $5 }' <<<"$listed")" +%s)
fi
export SOURCE_DATE_EPOCH
fixed=/var/tmp/tyx-rpmbuild-$(id -u)
mkdir -p "$fixed"
exec 9>"$fixed/lock"
flock 9
clean() { rm -rf "${fixed:?}/BUILD" "$fixed/BUILDROOT"; }
clean
# The tarball's folder is written into the source package's recipe too.
cp "$tarball" "$fixed/"
tarball=$fixed/$(basename "$tarball")
# An rpm whose package database is empty (Debian's) knows no build dependency.
nodeps=()
[ -n "$(rpm -qa 2>/dev/null)" ] || nodeps=(--nodeps)
# --noclean keeps the build folder, which tells what %check ran.
rpmbuild -ta "${nodeps[@]}" --define "_topdir $top" --define "_builddir $fixed/BUILD" \
  --define "_buildrootdir $fixed/BUILDROOT" --define "_buildhost reproducible" \
  --define "use_source_date_epoch_as_buildtime 1" --define "clamp_mtime_to_source_date_epoch 1" \
  --noclean "${@:3}" "$tarball" >"$top/build.log" 2>&1 || { tail -n 80 "$top/build.log"; exit 1; }
if [[ " ${*:3} " != *" --nocheck "* ]]; then
  build=("$fixed"/BUILD/tyx-*/build)
  cmake -DBUILD="${build[0]}" -DJUNIT="${build[0]}/junit.xml" -P "$here/suite-ran.cmake"
fi
clean
rpm=("$top"/RPMS/*/tyx-[0-9]*.rpm)
srpm=("$top"/SRPMS/tyx-*.src.rpm)
# Every finding that rpmlintrc does not explain fails, by rpmlint's status: warnings too.
rpmlint --strict -r "$here/rpmlintrc" "$here/rpm/tyx.spec" "${srpm[0]}" "${rpm[0]}" || { echo "rpmlint: status $?" >&2; exit 1; }
relocations=$(rpm -qp --qf '%{prefixes}' "${rpm[0]}")
[ "$relocations" = "(none)" ] || { echo "the RPM is relocatable to $relocations" >&2; exit 1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
rpm2cpio "${rpm[0]}" | (cd "$unpacked" && cpio -idm --quiet)
"$here/hardening-check.sh" "$unpacked/usr/bin/tyx"
