# shellcheck shell=bash disable=SC2016,SC2154 # inner shells quoted; work, logs, handed, tree: .ci/run
# What the jobs share. .ci/run runs each in a clone of the commit, and gives it `work`, a scratch
# folder that every user may enter, and `logs`, build/ci of the `tree` it was started from.
version=$(sed -n 's/^## \([^ ]*\) - .*/\1/p' CHANGELOG.md | head -n 1)
# packages PACKAGE...: installs those that this machine lacks, one job at a time; cmake: CMake and
# Ninja, for the presets; tests: what the tests need, the recipe's Build-Depends (apt-get build-dep).
packages() { local missing=() package; for package; do
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ] || missing+=("$package"); done
  [ ${#missing[@]} -eq 0 ] || flock /tmp/tyx-ci-apt.lock sh -c 'apt-get update -q &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"' apt "${missing[@]}"; }
cmake=(cmake ninja-build)
tests() { packages dpkg-dev; dpkg-checkbuilddeps packaging/debian/control 2>/dev/null || flock /tmp/tyx-ci-apt.lock \
  sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends ./packaging'; }
# rows TABLE: the lines of packaging/TABLE, without comments; codename: this system's Debian release.
rows() { sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "packaging/$1"; }
codename() { sed -n 's/^VERSION_CODENAME=//p' /etc/os-release; }
# architectures [foreign|own]: the rows of packaging/architectures (DEBIAN-ARCH TRIPLET QEMU-NAME
# UNAME-M QEMU-CPUS); foreign: all but this machine's, own: it.
architectures() { rows architectures |
  awk -v own="$(dpkg --print-architecture)" -v which="${1:-}" '!which || ($1 == own) == (which == "own")'; }
# releases: a line for each job of packaging/releases: NAME CODENAME STEP+STEP... OPTION...
releases() { rows releases | awk '{ options = ""; for (i = 2; i <= NF; i++) if ($i !~ /:/) options = options " " $i
  for (i = 2; i <= NF; i++) if (split($i, job, ":") == 2) print (job[1] == "-" ? $1 : $1 "-" job[1]), $1, job[2] options }'; }
# job NAME: the job of that name, job_NAME or a fresh root's (packaging/releases).
job() { if declare -F "job_${1//-/_}" >/dev/null; then "job_${1//-/_}"; else root_job "$1"; fi; }
# runtimes [RELEASE]: the rows of packaging/windows (RUNTIME TRIPLET PACKAGE RELEASE) that CI tests
# on RELEASE; zipped: the runtime of the zip, the first.
runtimes() { rows windows | awk -v release="${1:-}" '!release || $4 == release'; }
zipped() { rows windows | awk 'NR == 1 { print $1 }'; }
ran() { "$@" || echo "exit $?"; } # what it printed, and its status if not 0, for cmp
# runs_as REFERENCE QEMU-NAME QEMU-CPUS [QEMU-OPTION...] PROGRAM: on each qemu model of the list
# (`-`: qemu's own), PROGRAM prints January 1800 and, under TZ, this month, with the status that
# REFERENCE (a tyx here) does: that it runs (the suites' stopped clock shows that it follows TZ).
runs_as() {
  local model run
  for model in ${3//,/ }; do
    run=("qemu-$2" -cpu "$model" "${@:4}") && [ "$model" != - ] || run=("qemu-$2" "${@:4}")
    cmp <(ran "${run[@]}" 1 1800) <(ran "$1" 1 1800)
    cmp <(TZ=Pacific/Kiritimati ran "${run[@]}") <(TZ=Pacific/Kiritimati ran "$1")
  done
  echo "verdict: ${*: -1} runs as $1 does on qemu-$2's ${3//,/ and }"
}
# cross_packages: the foreign architectures' cross compilers, and what their tests need.
cross_packages() { local compilers; mapfile -t compilers < <(architectures foreign | awk '{ print "g++-" $2 }')
  packages "${cmake[@]}" qemu-user googletest "${compilers[@]}"; tests; }
# built PRESET [OPTION...]: configured and built (a Linux one for TYX_ARCH); packaged: and packed.
built() { cmake --preset "$1" "${@:2}" >/dev/null; cmake --build --preset "$1" >/dev/null; }
packaged() { built "$@"; (cd "build/$1${TYX_ARCH:+-$TYX_ARCH}${TYX_RUNTIME:+-$TYX_RUNTIME}" && cpack >/dev/null); }
# hand KIND FILE...: the FILEs handed on to a later job of the run as $handed/KIND; take KIND FOLDER.
hand() { mkdir "$handed/$1.part"; cp "${@:2}" "$handed/$1.part/"; mv "$handed/$1.part" "$handed/$1"
  (cd "$handed/$1" && sha256sum -- * | sed "s/^/handed on as $1: /"); }
take() { cp "$handed/$1"/* "$2/"; (cd "$handed/$1" && sha256sum -- * | sed "s/^/taken up from $1: /"); }
# shellcheck disable=SC2034 # later, for the jobs: a second build's clock, 31 hours ahead (faketime)
later=(faketime -f +31h)
# artifacts: the paths of the zip and the Linux archives; archives [OPTION...]: them, built here.
artifacts() {
  echo "build/windows-$(zipped)/tyx-$version-windows-x86_64.zip"
  architectures | awk -v v="$version" '{ print "build/portable-" $1 "/tyx-" v "-linux-" $4 ".tar.gz" }'
}
archives() { TYX_RUNTIME=$(zipped) packaged windows "$@"; while read -r a _; do TYX_ARCH=$a packaged portable "$@"; done < <(architectures); }
# tarball: the release tarball of HEAD, as a forge publishes it for a tag.
tarball() { git archive --prefix="tyx-$version/" -o "$work/tyx-$version.tar.gz" HEAD; echo "$work/tyx-$version.tar.gz"; }
# debian_source FOLDER TARBALL: the tarball as Debian's original one, unpacked in FOLDER, debian/ added.
debian_source() { mkdir -p "$1"; cp "$2" "$1/tyx_$version.orig.tar.gz"; tar -xzf "$2" -C "$1"
  cp -r "$1/tyx-$version/packaging/debian" "$1/tyx-$version/debian"; }
# tyxbuild, a user without root, as distributions' build machines have; added once on the machine.
builder() { flock /tmp/tyx-ci-user.lock sh -c 'id tyxbuild >/dev/null 2>&1 || useradd --create-home tyxbuild'; }
# mirror: this machine's Debian mirror, from the first of its sources files that it has.
mirror() { local file; for file in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; do
  if [ -f "$file" ]; then sed -n '/^URIs: */{s///p;q}; /^deb  *\(http[^ ]*\)  *[a-z]* .*/{s//\1/p;q}' "$file"; return; fi; done; }
# fresh_root RELEASE: a minimal Debian root (debootstrap, from the mirror; once a run, handed on) in
# $work/root, with a clone of the tree in /tyx, the Debian source in /deb, a sudo that runs its command.
fresh_root() {
  local release=$1 root=$work/root tar=$handed/roots/$1.tar mirror script
  packages debootstrap
  mirror=$(mirror)
  rm -rf --one-file-system "$root"
  mkdir -p "$handed/roots" "$root"
  (
    flock 9
    [ ! -f "$tar" ] || { echo "$release: the root that an earlier job of this run bootstrapped"; exit 0; }
    script=/usr/share/debootstrap/scripts/$release # a release newer than debootstrap: sid's way
    [ -e "$script" ] || script=${script%/*}/sid
    debootstrap --variant=minbase "$release" "$work/$release" "$mirror" "$script" >"$work/$release.log" 2>&1 ||
      { tail -n 40 "$work/$release.log"; exit 1; }
    tar -C "$work/$release" -cf "$tar.part" . && mv "$tar.part" "$tar"
    rm -rf --one-file-system "${work:?}/$release"
  ) 9>"$tar.lock"
  tar -C "$root" -xf "$tar"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io" # a scratch root: no fsync
  printf '#!/bin/sh\nexec "$@"\n' >"$root/usr/local/bin/sudo"
  chmod 755 "$root" "$root/usr/local/bin/sudo"
  # This mirror's Release files of unstable and testing have expired: each job names its Release's day.
  echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99valid"
  /usr/lib/apt/apt-helper download-file "$mirror/dists/$release/Release" "$work/$release.Release" >/dev/null
  echo "verdict: $release of $(sed -n 's/^Date: //p' "$work/$release.Release")"
  git clone --quiet --no-hardlinks . "$root/tyx"
  debian_source "$root/deb" "$(tarball)"
}
# in_root FUNCTION [ARGUMENT...]: a function of .ci, run by .ci/call in the fresh root's /tyx, with
# /proc and /dev mounted in a mount namespace of its own, so that nothing stays mounted after it.
in_root() {
  DEBIAN_FRONTEND=noninteractive unshare --mount --propagation private sh -c 'mount -t proc proc \
    "$0/proc" && mount --rbind /dev "$0/dev" && exec chroot "$0" /tyx/.ci/call "$@"' "$work/root" "$@"
}
# readme_command HEADING: the one-line command in the sh block under "## HEADING" in README.md.
readme_command() {
  local block
  block=$(awk -v heading="## $1" '$0 == heading { inside = 1; next } inside && /^## / { exit }
    inside && /^```sh$/ { fenced = 1; next } fenced && /^```$/ { exit } fenced { print }' README.md)
  { [ -n "${block//[[:space:]]/}" ] && [ "$(wc -l <<<"$block")" -eq 1 ]; } ||
    { echo "README.md gives no one-line command in a sh block under '## $1'" >&2; return 1; }
  printf '%s\n' "$block"
}
