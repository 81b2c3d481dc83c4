# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on fresh machines: minimal Debian roots where nothing runs but the in_* functions below.
# Debian 12: README.md's commands, then the recipe without its tests.
job_bookworm() {
  fresh_root bookworm
  in_root in_readme
  in_root in_recipe nocheck
}
# Debian 13, as a developer: README.md's commands, then the Windows suites of the C runtimes that
# packaging/windows tests there, no Wine prefix or server set up beforehand.
job_trixie() {
  fresh_root trixie
  in_root in_readme
  in_root in_windows
}
# Debian 13, as its build daemons build: the recipe with its tests, the autopkgtest, and reprotest
# (two builds with the tests, varying the locale, time zone, umask, build path, kernel and more).
job_trixie_daemon() {
  fresh_root trixie
  in_root in_recipe
  in_root in_reproducible
}
# Debian unstable, of the day its Release names: README.md's commands and the recipe, with no
# lintian error or warning (its pedantic tags contradict the other releases'). Where apt cannot
# install it all, it fails if the mirror does not answer or dose-builddebcheck finds tyx's own
# Build-Depends unmet there, and is skipped otherwise.
job_unstable() {
  packages dose-builddebcheck
  fresh_root sid
  local lists=$work/root/var/lib/apt/lists installable=0 day arch
  # shellcheck disable=SC2310 # a predicate: whether apt can install it all
  in_root in_installable >"$work/apt.log" 2>&1 || installable=$?
  [ $installable -eq 0 ] || grep -E '^E: | but ' "$work/apt.log" || tail "$work/apt.log"
  day=$(sed -n 's/^Date: //p' "$lists"/*_sid_InRelease) && echo "verdict: unstable of $day"
  if [ $installable -ne 0 ]; then
    arch=$(dpkg --print-architecture) && debian_sources >"$work/Sources"
    dose-builddebcheck -e -f --deb-native-arch="$arch" "$lists"/*_sid_main_binary-"$arch"_Packages "$work/Sources"
    echo "skipped: unstable cannot install what the job needs today, though tyx's Build-Depends can be met"
    return 77
  fi
  in_root in_readme
  in_root in_recipe --fail-on error,warning
}
debian_sources() { # tyx's source package as a Sources stanza, Build-Depends on one line, for dose
  printf 'Package: tyx\nVersion: %s-1\nArchitecture: any\n' "$version"
  sed -n '/^Build-Depends:/,/^[^ ]/{/^Build-Depends:\|^ /p}' packaging/debian/control | tr -s ' \n' ' '; echo
}
in_readme() { # README.md's two commands, exactly as written
  local heading command
  for heading in "Build and run" Test; do command=$(readme_command "$heading"); bash -eux -c "$command"; done
}
recipe_tools=(build-essential lintian blhc devscripts) # what in_recipe adds to the Build-Depends
in_installable() { # all that in_readme and in_recipe install, simulated
  local readme wanted
  apt-get update -q --error-on=any
  readme=$(readme_command "Build and run"; readme_command Test)
  mapfile -t wanted < <(sed -n 's/.*--no-install-recommends \([^&]*\) &&.*/\1/p' <<<"$readme" | tr ' ' '\n')
  apt-get install -s -q --no-install-recommends "${recipe_tools[@]}" "${wanted[@]}"
  apt-get build-dep -s -q "/deb/tyx-$version/"
}
# The source built in /built as Debian's build daemons build it (the recipe's Build-Depends, a user
# without root), then check-deb.sh with the release's own tools; nocheck: no tests, nor their packages.
in_recipe() { # [nocheck] [--fail-on LEVELS]
  local profile=()
  if [ "${1:-}" = nocheck ]; then
    profile=(--build-profiles=nocheck)
    apt-get purge -y -q --autoremove libgtest-dev googletest valgrind
    shift
  fi
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${recipe_tools[@]}"
  apt-get build-dep -y -q "${profile[@]}" "/deb/tyx-$version/"
  builder
  debian_build /built "/deb/tyx_$version.orig.tar.gz" "${profile[@]}"
  (cd / && runuser -u tyxbuild -- "/built/tyx-$version/packaging/check-deb.sh" "$@" /built)
}
in_reproducible() {
  apt-get install -y -q --no-install-recommends autopkgtest reprotest
  cd "/built/tyx-$version" || exit
  autopkgtest ../tyx_*.deb ./ -- null
  runuser -u tyxbuild -- reprotest --vary=-user_group,-domain_host,-fileordering,-time . '../*.deb' -- null
}
in_windows() { wine_packages; mkdir -p "$work"; trap stop_wine EXIT; windows_suites; }
