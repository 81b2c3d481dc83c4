# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on the packages, built from the release tarball as a user without root,
# held to the script beside each recipe, and built again for the same bytes.

# debian_build FOLDER TARBALL [VARIABLE=VALUE...]: source and binary packages.
debian_build() {
  debian_source "$1" "$2"
  chown -R tyxbuild "$1"
  (cd "$1/tyx-$version" && runuser -u tyxbuild -- env "${@:3}" dpkg-buildpackage -us -uc >../build.log 2>&1) ||
    { tail -n 80 "$1/build.log"; return 1; }
}

# The recipe under packaging/check-deb.sh, then without its tests (nocheck) in
# another folder: the same .deb.
job_debian() {
  packages dpkg-dev debhelper cmake g++ libgtest-dev valgrind groff-base man-db lintian blhc devscripts
  local tarball
  tarball=$(tarball)
  builder
  debian_build "$work/one" "$tarball"
  grep -E 'tests passed, ' "$work/one/build.log"
  runuser -u tyxbuild -- "$work/one/tyx-$version/packaging/check-deb.sh" "$work/one"
  debian_build "$work/two/elsewhere" "$tarball" DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck
  sha256sum "$work"/one/tyx_*.deb "$work"/two/elsewhere/tyx_*.deb
  cmp "$work"/one/tyx_*.deb "$work"/two/elsewhere/tyx_*.deb
}

# rpm_build TARBALL FOLDER: packaging/build-rpm.sh as tyxbuild, from the
# tarball, since the tree may be closed to tyxbuild.
rpm_build() {
  builder
  mkdir -p "$2/source"
  tar -xzf "$1" -C "$2/source" "tyx-$version/packaging"
  chown -R tyxbuild "$2"
  runuser -u tyxbuild -- "$2/source/tyx-$version/packaging/build-rpm.sh" "$1" "$2"
}

# The RPM under packaging/build-rpm.sh, its tyx against this tree's, and again
# in another folder: the same bytes.
job_rpm() {
  packages rpm rpmlint cpio devscripts cmake ninja-build g++ libgtest-dev valgrind groff-base man-db
  local tarball package
  tarball=$(tarball)
  rpm_build "$tarball" "$work/one"
  mkdir "$work/unpacked"
  rpm2cpio "$work"/one/RPMS/*/tyx-[0-9]*.rpm | (cd "$work/unpacked" && cpio -idm --quiet)
  built release
  cmp <("$work/unpacked/usr/bin/tyx" 1 1800) <(build/release/tyx 1 1800)
  rpm_build "$tarball" "$work/two/elsewhere"
  for package in "$work"/one/RPMS/*/tyx-[0-9]*.rpm "$work"/one/SRPMS/tyx-*.src.rpm; do
    sha256sum "$package" "${package/\/one\//\/two\/elsewhere\/}"
    cmp "$package" "${package/\/one\//\/two\/elsewhere\/}"
  done
}
