# shellcheck shell=bash disable=SC2016,SC2154 # inner shells quoted; work, logs and version: .ci/run and lib.sh
# Jobs on the other platforms: the suite under qemu-user and Wine, the static
# tyx for any Linux, and the archives for users again from another clone, later.
# wine_packages: what the Windows builds on this release need, and a Wine prefix of the job's own.
wine_packages() { local compilers; mapfile -t compilers < <(runtimes "$(codename)" | awk '{ print $3 }')
  packages "${cmake[@]}" wine64 googletest unzip "${compilers[@]}"; export WINEPREFIX=$work/wine; }
stop_wine() { /usr/lib/wine/wineserver64 -k 2>/dev/null || true; } # Wine's server outlives its programs

# Every test under qemu-user for each foreign architecture, cross-built and linked statically, four
# side by side (each keeps one core busy for minutes, mostly starting tyx), each into a log of its own.
job_emulated() {
  cross_packages
  rm -f "$logs"/emulated-*.log
  architectures foreign | awk '{ print "linux", $1; print "package-linux", $1 }' |
    xargs -P 4 -L 1 sh -c 'TYX_ARCH=$1 cmake --workflow --preset $0 >"$logs/emulated-$0-$1.log" 2>&1 ||
      echo "$logs/emulated-$0-$1.log" >>"$work/failed"'
  grep -H 'tests passed, ' "$logs"/emulated-*.log | sed 's/^/verdict: /'
  [ ! -f "$work/failed" ] || { xargs -n 1 tail -n 40 <"$work/failed"; return 1; }
  [ "$(compgen -G "$logs/emulated-*.log" | wc -l)" = $((2 * $(architectures foreign | wc -l))) ]
}
# Every test cross-built for Windows with each C runtime that CI tests here, under Wine, then the zip.
job_windows() {
  wine_packages
  trap stop_wine EXIT
  windows_suites
  TYX_RUNTIME=$(zipped) cmake --workflow --preset package-windows
  local zip=tyx-$version-windows-x86_64
  [ "$(unzip -Z1 "build/windows-$(zipped)/$zip.zip" | sort | tr '\n' ' ')" = \
    "$zip/CHANGELOG.md $zip/LICENSE $zip/README.md $zip/tyx.exe " ]
}
# windows_suites: the suite of each C runtime whose row names this release, at least one.
windows_suites() {
  local runtime suites=0
  while read -r runtime _; do TYX_RUNTIME=$runtime cmake --workflow --preset windows; suites=$((suites + 1))
  done < <(runtimes "$(codename)")
  [ $suites -gt 0 ]
}
# This machine's static tyx with every test, then what each Linux archive holds; each one's tyx runs
# under qemu as runs_as says, with no libraries to find. This machine's also runs in an empty root as
# this machine's tyx runs in UTC, and with one zone file copied in, opens it when TZ names it.
job_static() {
  cross_packages
  packages g++ binutils strace
  local arch qemu machine cpus archive empty chroot zone=Pacific/Kiritimati
  built release
  empty=$work/$(dpkg --print-architecture)
  while read -r arch _ qemu machine cpus; do
    if [ "$work/$arch" = "$empty" ]; then TYX_ARCH=$arch cmake --workflow --preset package-linux
    else TYX_ARCH=$arch packaged portable -DBUILD_TESTING=OFF; fi
    archive=build/portable-$arch/tyx-$version-linux-$machine.tar.gz
    [ "$(tar -tzf "$archive" | grep -v '/$' | sed 's|^[^/]*/||' | sort | tr '\n' ' ')" = \
      "bin/tyx share/doc/tyx/CHANGELOG.md share/doc/tyx/LICENSE share/doc/tyx/README.md share/man/man1/tyx.1 " ]
    mkdir "$work/$arch"
    tar -xzf "$archive" -C "$work/$arch" --strip-components=2 --wildcards '*/bin/tyx'
    runs_as build/release/tyx "$qemu" "$cpus" "$work/$arch/tyx"
  done < <(architectures)
  chroot=$(command -v chroot) # from this machine, for a run with no environment
  cmp <(ran env -i "$chroot" "$empty" /tyx 1 1800) <(ran build/release/tyx 1 1800)
  cmp <(ran env -i "$chroot" "$empty" /tyx) <(TZ=UTC0 ran build/release/tyx)
  mkdir -p "$empty/usr/share/zoneinfo/${zone%/*}"
  cp "/usr/share/zoneinfo/$zone" "$empty/usr/share/zoneinfo/$zone"
  cmp <(ran env -i TZ=$zone "$chroot" "$empty" /tyx) <(TZ=$zone ran build/release/tyx)
  strace -f -e trace=openat env -i TZ=$zone "$chroot" "$empty" /tyx 2>&1 >/dev/null |
    grep -F "\"/usr/share/zoneinfo/$zone\"" | grep -vE '= -1 '
  echo "verdict: the archives hold what they should; the static tyx needs no library and reads TZ's zone"
}
# The zip and the Linux archives (tyx alone) from this clone and from another one in another folder,
# a day and 7 hours later, byte for byte, handed on as archives; and the release tarball.
job_reproducible() {
  wine_packages
  cross_packages
  packages g++ faketime
  trap stop_wine EXIT
  local other=$work/later/elsewhere artifact artifacts
  archives -DBUILD_TESTING=OFF
  git clone --quiet --no-hardlinks . "$other"
  "${later[@]}" "$other/.ci/call" archives -DBUILD_TESTING=OFF
  mapfile -t artifacts < <(artifacts)
  for artifact in "${artifacts[@]}"; do sha256sum "$artifact"; cmp "$artifact" "$other/$artifact"; done
  (cd "$other" && git archive --prefix="tyx-$version/" -o "$work/elsewhere.tar.gz" HEAD)
  cmp "$work/elsewhere.tar.gz" "$(tarball)"
  hand archives "${artifacts[@]}"
  echo "verdict: the zip, the Linux archives and the tarball are the same bytes from two folders on two days"
}
