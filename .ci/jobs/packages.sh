# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on the packages, built from the release tarball as a user without root, held to the script
# beside each recipe, and built again elsewhere and later for the same bytes.
# debian_build FOLDER TARBALL [later] [OPTION...]: dpkg-buildpackage's packages in FOLDER, with the
# OPTIONs (with a nocheck profile, no tests; else the whole suite must have run), `later` on that clock.
debian_build() {
  local nocheck="" clock=()
  debian_source "$1" "$2"
  [ "${3:-}" != later ] || { clock=("${later[@]}"); set -- "${@:1:2}" "${@:4}"; }
  [[ " ${*:3}" != *nocheck* ]] || nocheck=nocheck
  chown -R tyxbuild "$1"
  (cd "$1/tyx-$version" && runuser -u tyxbuild -- "${clock[@]}" env DEB_BUILD_OPTIONS=$nocheck \
    dpkg-buildpackage -us -uc "${@:3}" >../build.log 2>&1) || { tail -n 80 "$1/build.log"; return 1; }
  local obj=("$1/tyx-$version"/obj-*)
  [ -n "$nocheck" ] || runuser -u tyxbuild -- cmake -DBUILD="${obj[0]}" -DJUNIT="${obj[0]}/junit.xml" \
    -P "$1/tyx-$version/packaging/suite-ran.cmake"
}
# debian_arch ARCH TARBALL FOLDER: ARCH's .deb, natively with the tests and the source package, or
# cross-built alone; under check-deb.sh; again in FOLDER/elsewhere, the same bytes; installable here.
debian_arch() {
  local options=() again=(--build-profiles=nocheck) deb=tyx_$version-1_$1.deb compared file
  if [ "$1" = "$(dpkg --print-architecture)" ]; then
    tests
  else
    flock /tmp/tyx-ci-apt.lock dpkg --add-architecture "$1"
    packages "crossbuild-essential-$1" "libc6-dev:$1"
    options=(--host-arch "$1" "--build-profiles=cross,nocheck" --build=any) again=("${options[@]}")
  fi
  packages build-essential dpkg-dev debhelper "${cmake[@]}" lintian blhc devscripts faketime
  builder
  debian_build "$3" "$2" "${options[@]}"
  (cd / && runuser -u tyxbuild -- "$3/tyx-$version/packaging/check-deb.sh" "$3")
  debian_build "$3/elsewhere" "$2" later "${again[@]}"
  compared=("$deb") && [ ${#options[@]} -gt 0 ] || compared+=("tyx_$version-1.dsc" "tyx_$version-1.debian.tar.xz")
  for file in "${compared[@]}"; do sha256sum "$3/$file"; cmp "$3/$file" "$3/elsewhere/$file"; done
  apt-get install -s -q "$3/$deb" | grep "^Inst tyx"
}
# debian_packages FOLDER: a .deb for each architecture in FOLDER/ARCH, handed on as debs with the
# source package: this machine's built here with the tests, each other one on a fresh root of the
# oldest release whose Release file lists it; each with this machine's files and a tyx that prints
# what this machine's does under qemu on its line's models.
debian_packages() {
  local tarball arch triplet qemu cpus release rooted own tyx hosts
  read -r own _ qemu _ cpus < <(architectures own)
  tarball=$(tarball)
  packages qemu-user
  debian_arch "$own" "$tarball" "$1/$own"
  dpkg-deb -x "$1/$own/tyx_$version-1_$own.deb" "$1/$own/unpacked"
  tyx=$1/$own/unpacked/usr/bin/tyx
  runs_as "$tyx" "$qemu" "$cpus" "$tyx"
  mapfile -t hosts < <(rows releases | awk '/ debs( |$)/ { print $1 }')
  for release in "${hosts[@]}"; do
    /usr/lib/apt/apt-helper download-file "$(mirror)/dists/$release/Release" "$work/Release" >/dev/null
    rooted=
    while read -r arch triplet qemu _ cpus; do
      { [ ! -d "$1/$arch" ] && grep -qE "^Architectures:.* $arch( |\$)" "$work/Release"; } || continue
      if [ -z "$rooted" ]; then fresh_root "$release"; cp "$tarball" "$work/root/tmp/"; rooted=1; fi
      in_root debian_arch "$arch" "/tmp/${tarball##*/}" "/debs/$arch"
      cp -r "$work/root/debs/$arch" "$1/"
      dpkg-deb -x "$1/$arch/tyx_$version-1_$arch.deb" "$1/$arch/unpacked"
      cmp <(cd "$1/$own/unpacked" && find . | sort) <(cd "$1/$arch/unpacked" && find . | sort)
      runs_as "$tyx" "$qemu" "$cpus" -L "$work/root/usr/$triplet" "$1/$arch/unpacked/usr/bin/tyx"
    done < <(architectures foreign)
  done
  [ "$(compgen -G "$1/*/tyx_$version-1_*.deb" | wc -l)" = "$(architectures | wc -l)" ]
  hand debs "$1"/*/tyx_"$version-1_"*.deb "$1/$own/tyx_$version"{.orig.tar.gz,-1.dsc,-1.debian.tar.xz}
  echo "verdict: a .deb for each architecture, checked, and the same bytes from two folders"
}
job_debian() { debian_packages "$work/debs"; }
# rpm_build TARBALL FOLDER [later]: build-rpm.sh as tyxbuild, from the tarball; `later` on that clock.
rpm_build() {
  local clock=() options=()
  [ "${3:-}" != later ] || { clock=("${later[@]}"); options=(--nocheck); }
  builder
  mkdir -p "$2/source"
  tar -xzf "$1" -C "$2/source" "tyx-$version/packaging"
  chown -R tyxbuild "$2"
  (cd / && runuser -u tyxbuild -- "${clock[@]}" "$2/source/tyx-$version/packaging/build-rpm.sh" \
    "$1" "$2" "${options[@]}")
}
# The RPM under build-rpm.sh, its tyx against this tree's, the same bytes again; handed on as rpms.
job_rpm() {
  packages rpm rpmlint cpio devscripts "${cmake[@]}" g++ faketime; tests
  local tarball package
  tarball=$(tarball)
  rpm_build "$tarball" "$work/one"
  mkdir "$work/unpacked"
  rpm2cpio "$work"/one/RPMS/*/tyx-[0-9]*.rpm | (cd "$work/unpacked" && cpio -idm --quiet)
  built release
  cmp <(ran "$work/unpacked/usr/bin/tyx" 1 1800) <(ran build/release/tyx 1 1800)
  rpm_build "$tarball" "$work/two/elsewhere" later
  for package in "$work"/one/RPMS/*/tyx-[0-9]*.rpm "$work"/one/SRPMS/tyx-*.src.rpm; do
    sha256sum "$package"; cmp "$package" "${package/\/one\//\/two\/elsewhere\/}"; done
  hand rpms "$work"/one/RPMS/*/tyx-[0-9]*.rpm "$work"/one/SRPMS/tyx-*.src.rpm
}
