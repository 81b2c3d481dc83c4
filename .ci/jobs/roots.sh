# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on fresh machines: minimal Debian roots, of the releases of packaging/releases, where nothing
# runs but the in_* functions below.
# root_job NAME: the job of packaging/releases that NAME names: a fresh root of its release, and in
# it the job's steps, as that file says, with the release's options.
root_job() {
  local name release steps rest options step fail_on=()
  read -r name release steps rest < <(releases | awk -v job="$1" '$1 == job')
  [ "$name" = "$1" ]; read -ra options <<<"$rest"
  for step in "${options[@]}"; do [[ $step != lintian=* ]] || fail_on=(--fail-on "${step#lintian=}"); done
  fresh_root "$release"
  for step in ${steps//+/ }; do
    case $step in installable) installable "$release" ;; recipe) in_root in_recipe "${fail_on[@]}" ;;
      nocheck) in_root in_recipe nocheck ;; *) in_root "in_$step" ;; esac
  done
}
# installable RELEASE: all that the job installs can be installed in the fresh root, or it fails if
# tyx's own Build-Depends cannot be met there (dose-builddebcheck), and is skipped otherwise.
installable() {
  packages dose-builddebcheck
  local lists=$work/root/var/lib/apt/lists status=0 arch
  # shellcheck disable=SC2310 # a predicate: whether apt can install it all
  in_root in_installable >"$work/apt.log" 2>&1 || status=$?
  [ $status -ne 0 ] || return 0
  grep -E '^E: | but ' "$work/apt.log" || tail "$work/apt.log"
  arch=$(dpkg --print-architecture); debian_sources >"$work/Sources"
  dose-builddebcheck -e -f --deb-native-arch="$arch" "$lists"/*_"$1"_main_binary-"$arch"_Packages "$work/Sources"
  echo "skipped: $1 cannot install what the job needs today, though tyx's Build-Depends can be met"
  return 77
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
