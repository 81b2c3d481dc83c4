# shellcheck shell=bash disable=SC2154 # work, logs and version: .ci/run and lib.sh
# Jobs on the tree itself: the suite with g++ and with clang's sanitizers, the
# fuzzer, the linters, and tyx inside another project.
# Every test (g++), as README.md's Test command runs them.
job_test() {
  packages "${cmake[@]}" g++; tests
  cmake --workflow --preset test
}
job_sanitize() {
  packages "${cmake[@]}" clang libclang-rt-dev; tests
  cmake --workflow --preset sanitize
}
# A million runs of the argument path under ASan and UBSan; a failing input stays in build/ci.
job_fuzz() {
  packages "${cmake[@]}" clang libclang-rt-dev
  cmake --workflow --preset fuzz
  cp -r fuzz/corpus "$work/corpus"
  build/fuzz/fuzz/tyx_fuzz_arguments -runs=1000000 -seed=1 -print_final_stats=1 \
    -artifact_prefix="$logs/fuzz-" "$work/corpus" >"$work/fuzz.log" 2>&1 || { tail -n 60 "$work/fuzz.log"; return 1; }
  grep -E '^Done|stat::number_of_executed_units|stat::average_exec_per_sec' "$work/fuzz.log"
}
# clang-tidy and cppcheck on what the test and fuzz builds compile, clang-format, shellcheck (with
# every call that set -e does not reach named, in .ci's functions as one script, as .ci/call runs
# them), and one version wherever one is written.
job_lint() {
  packages "${cmake[@]}" g++ clang clang-tidy clang-format cppcheck shellcheck rpm; tests
  local build sources
  for build in test fuzz; do
    cmake --preset $build >/dev/null
    mapfile -t sources < <(git ls-files 'command/*.cpp' 'tests/*.cpp')
    [ $build = test ] || sources=(fuzz/fuzz_arguments.cpp)
    run-clang-tidy -quiet -j "$(nproc)" -p build/$build "${sources[@]}" >"$work/tidy.log" 2>&1 ||
      { cat "$work/tidy.log"; return 1; }
    cppcheck --project=build/$build/compile_commands.json -i build --library=googletest \
      --library=posix --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
      --quiet --suppress=missingIncludeSystem --error-exitcode=1
  done
  git ls-files '*.cpp' '*.hpp' '*.c' | xargs clang-format --dry-run --Werror
  git ls-files .ci bench/*.sh tests/*.sh packaging/*.sh packaging/debian/tests/installed |
    xargs shellcheck -x -o check-set-e-suppressed
  { echo 'set -e; shopt -s inherit_errexit'; cat .ci/lib.sh .ci/jobs/*.sh; } >"$work/ci.sh"
  shellcheck -s bash -o check-set-e-suppressed -i SC2310,SC2311 "$work/ci.sh"
  [ "$(dpkg-parsechangelog -l packaging/debian/changelog -S Version)" = "$version-1" ]
  [ "$(rpmspec -q --srpm --qf '%{version}' packaging/rpm/tyx.spec)" = "$version" ]
  echo "verdict: no findings; $version in CHANGELOG.md, the Debian changelog and the RPM recipe"
}
# tyx inside another project: the parent keeps its build type, tests and
# package, and its tyx the hardening (nothing optimised, so nothing fortified).
job_parent() {
  packages "${cmake[@]}" g++ devscripts
  cmake -S tests/parent -B build/parent -G Ninja >/dev/null
  cmake --build build/parent >/dev/null
  ctest --test-dir build/parent
  (cd build/parent && cpack >/dev/null)
  [ "$(tar -tzf build/parent/parent-9.9-Linux.tar.gz | grep -v '/$')" = parent-9.9-Linux/bin/tyx ]
  hardening-check --nocfprotection --nofortify build/parent/tyx/tyx
}
