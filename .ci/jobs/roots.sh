# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on fresh machines: minimal Debian roots where nothing has run but the
# in_* functions below (through in_root); what they install stays there.
# Debian 12: README.md's commands, then the recipe without its tests.
job_bookworm() {
  fresh_root bookworm
  in_root in_readme
  in_root in_recipe nocheck
}
# Debian 13, as a developer: README.md's commands, then the Windows suite with
# the Universal C Runtime, no Wine prefix or server set up beforehand.
job_trixie() {
  fresh_root trixie
  in_root in_readme
  in_root in_ucrt
}
# Debian 13, as its build daemons build a package: the recipe with its tests, the autopkgtest, and
# reprotest: two builds with the tests on, varying the locale, the time zone, the umask, the build
# path, the kernel and more.
job_trixie_daemon() {
  fresh_root trixie
  in_root in_recipe
  in_root in_reproducible
}
# Debian unstable: README.md's commands and the recipe, with no lintian error or warning (its
# pedantic tags contradict the other releases'). Skipped, with apt's word, on a day when it has all
# they need but cannot install it together; any other failure fails it (a mirror, a Build-Depends).
job_unstable() {
  fresh_root sid
  in_root in_installable >"$work/apt.log" 2>&1 || { grep -E '^E: | but it is not' "$work/apt.log" || tail "$work/apt.log"
    grep -q 'held broken packages' "$work/apt.log" && ! grep -q ' but it is not installable' "$work/apt.log" || return 1
    echo "skipped: unstable cannot install what tyx needs today"; return 77; }
  in_root in_readme
  in_root in_recipe --fail-on error,warning
}
in_readme() { # README.md's two commands, exactly as written
  local heading command
  for heading in "Build and run" Test; do
    command=$(readme_command "$heading")
    bash -eux -c "$command"
  done
}
in_installable() { # what in_readme and in_recipe need, simulated, in the words of apt's classic solver
  apt-get update -q --error-on=any
  apt-get install -s -q -o APT::Solver=internal --no-install-recommends build-essential ninja-build
  apt-get build-dep -s -q -o APT::Solver=internal "/deb/tyx-$version/"
}
# The source built as Debian's build daemons build it (build-essential and the recipe's
# Build-Depends only, a user without root, source and binary packages) in /built, then
# packaging/check-deb.sh with the release's own tools. nocheck: without the tests, and without their
# packages.
in_recipe() { # [nocheck] [--fail-on LEVELS]
  local profile=()
  if [ "${1:-}" = nocheck ]; then
    profile=(--build-profiles=nocheck)
    apt-get purge -y -q --autoremove libgtest-dev googletest valgrind
    shift
  fi
  apt-get update -q
  apt-get install -y -q --no-install-recommends build-essential lintian blhc devscripts
  apt-get build-dep -y -q "${profile[@]}" "/deb/tyx-$version/"
  builder
  debian_build /built "/deb/tyx_$version.orig.tar.gz" "${profile[@]}"
  [ ${#profile[@]} -gt 0 ] || grep -E 'tests passed, ' /built/build.log
  (cd / && runuser -u tyxbuild -- "/built/tyx-$version/packaging/check-deb.sh" "$@" /built)
}
in_reproducible() {
  apt-get install -y -q --no-install-recommends autopkgtest reprotest
  cd "/built/tyx-$version" || exit
  autopkgtest ../tyx_*.deb ./ -- null
  runuser -u tyxbuild -- reprotest --vary=-user_group,-domain_host,-fileordering,-time . '../*.deb' -- null
}
in_ucrt() {
  apt-get install -y -q --no-install-recommends g++-mingw-w64-ucrt64 wine64 googletest
  trap '/usr/lib/wine/wineserver64 -k 2>/dev/null || true' EXIT
  cmake --workflow --preset cross-windows-ucrt
}
