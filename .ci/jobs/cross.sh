# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on the other platforms: the suite under qemu-user and Wine, the static
# tyx for any Linux, and the archives for users again from two clones.

wine_packages() { packages cmake ninja-build g++-mingw-w64-x86-64 wine64 googletest unzip; }
# Wine's server and services outlive the programs they ran by some seconds.
stop_wine() { /usr/lib/wine/wineserver64 -k 2>/dev/null || true; }

# Every test under qemu-user, cross-built for arm64, i386, armv7 and s390x,
# and linked statically for arm64, i686 and armv7. Each suite keeps one core
# busy for minutes, mostly starting tyx, so they run side by side, each into a
# log of its own.
job_emulated() {
  cross_packages aarch64-linux-gnu i686-linux-gnu arm-linux-gnueabihf s390x-linux-gnu
  local workflow failed=()
  local -A pid
  for workflow in cross-arm64 cross-i386 cross-armhf cross-s390x package-linux-arm64 \
    package-linux-i386 package-linux-armhf; do
    cmake --workflow --preset $workflow >"$logs/emulated-$workflow.log" 2>&1 &
    pid[$workflow]=$!
  done
  for workflow in "${!pid[@]}"; do wait "${pid[$workflow]}" || failed+=("$workflow"); done
  grep -H 'tests passed, ' "$logs"/emulated-*.log | sed 's/^/verdict: /'
  for workflow in "${failed[@]}"; do tail -n 40 "$logs/emulated-$workflow.log"; done
  [ ${#failed[@]} -eq 0 ]
}

# Every test cross-built for Windows (msvcrt) and run under Wine, then the zip.
job_windows() {
  wine_packages
  trap stop_wine EXIT
  cmake --workflow --preset cross-windows
  cmake --workflow --preset package-windows
  local zip=(build/cross-windows/tyx-*-windows-x86_64.zip)
  unzip -l "${zip[0]}"
  [ "$(unzip -Z1 "${zip[0]}" | sed 's|^[^/]*/||' | sort | tr '\n' ' ')" = "CHANGELOG.md LICENSE README.md tyx.exe " ]
}

# The static tyx for x86_64 with every test, then what each Linux archive
# holds. The others run under qemu with no libraries to find: January 1800,
# and today in a zone that TZ names. The x86_64 one runs in an empty root: no
# /lib, no /etc, no zone files, where today is in UTC, and with one zone file
# copied in, TZ names it.
job_static() {
  cross_packages aarch64-linux-gnu i686-linux-gnu arm-linux-gnueabihf
  packages g++ libgtest-dev valgrind binutils strace
  local arch archive preset empty=$work/x86_64 chroot zone=Pacific/Kiritimati
  cmake --workflow --preset package-linux
  for preset in portable-arm64 portable-i386 portable-armhf; do
    built $preset
    (cd build/$preset && cpack >/dev/null)
  done
  built test
  for arch in x86_64 aarch64 i686 armv7l; do
    archive=(build/portable*/tyx-"$version-linux-$arch".tar.gz)
    [ "$(tar -tzf "${archive[0]}" | grep -v '/$' | sed 's|^[^/]*/||' | sort | tr '\n' ' ')" = \
      "bin/tyx share/doc/tyx/CHANGELOG.md share/doc/tyx/LICENSE share/doc/tyx/README.md share/man/man1/tyx.1 " ]
    mkdir "$work/$arch"
    tar -xzf "${archive[0]}" -C "$work/$arch" --strip-components=2 --wildcards '*/bin/tyx'
  done
  for arch in aarch64:aarch64 i686:i386 armv7l:arm; do
    cmp <("qemu-${arch#*:}" "$work/${arch%:*}/tyx" 1 1800) <(build/test/tyx 1 1800)
    cmp <(TZ=$zone "qemu-${arch#*:}" "$work/${arch%:*}/tyx") <(TZ=$zone build/test/tyx)
  done
  chroot=$(command -v chroot) # from this machine, for a run with no environment
  cmp <(env -i "$chroot" "$empty" /tyx 1 1800) <(build/test/tyx 1 1800)
  cmp <(env -i "$chroot" "$empty" /tyx) <(TZ=UTC0 build/test/tyx)
  mkdir -p "$empty/usr/share/zoneinfo/${zone%/*}"
  cp "/usr/share/zoneinfo/$zone" "$empty/usr/share/zoneinfo/$zone"
  cmp <(env -i TZ=$zone "$chroot" "$empty" /tyx) <(TZ=$zone build/test/tyx)
  strace -f -e trace=openat env -i TZ=$zone "$chroot" "$empty" /tyx 2>&1 >/dev/null |
    grep -F "\"/usr/share/zoneinfo/$zone\"" | grep -vE '= -1 '
  echo "verdict: the archives hold what they should; the static tyx needs no library and reads TZ's zone"
}

# The zip and the Linux archives from this tree and from two clones in other
# folders, byte for byte.
job_reproducible() {
  wine_packages
  cross_packages aarch64-linux-gnu i686-linux-gnu arm-linux-gnueabihf
  packages g++ libgtest-dev valgrind
  trap stop_wine EXIT
  local clone preset artifact off
  for clone in . "$work/one/tyx" "$work/two/elsewhere"; do
    off=() # this tree's builds keep their tests, the clones build tyx alone
    [ "$clone" = . ] || { git clone --quiet --no-hardlinks . "$clone"; off=(-DBUILD_TESTING=OFF); }
    for preset in cross-windows portable portable-arm64 portable-i386 portable-armhf; do
      (cd "$clone" && cmake --preset $preset "${off[@]}" >/dev/null &&
        cmake --build --preset $preset >/dev/null && cd build/$preset && cpack >/dev/null)
    done
  done
  for artifact in build/cross-windows/tyx-*-windows-x86_64.zip build/portable*/tyx-*-linux-*.tar.gz; do
    sha256sum "$artifact" "$work/one/tyx/$artifact" "$work/two/elsewhere/$artifact"
    cmp "$artifact" "$work/one/tyx/$artifact"
    cmp "$artifact" "$work/two/elsewhere/$artifact"
  done
  echo "verdict: the zip and the Linux archives are the same bytes from three folders"
}
