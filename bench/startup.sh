#!/usr/bin/env bash
# Start-up cost of tyx against the floor: a C program that writes the same
# bytes as `tyx 1 1800` with one write(2).
#
#   bench/startup.sh [--check] [--runs N] [--valgrind PATH] [BUILD_DIR...]
#
# Prints instructions per run (valgrind's callgrind; the same count every time)
# and wall time per run (the median from hyperfine if installed, otherwise the
# mean of a plain loop) for
# `tyx 1 1800`, `tyx` (today, with its local-time lookup) and the floor, with
# the ratio of each to the floor, for each build. The BUILD_DIRs default to
# build/test and build/portable-ARCH (this machine's Debian architecture),
# those of them that exist, which `cmake --workflow --preset test` and
# `TYX_ARCH=ARCH cmake --workflow --preset package-linux` make; each
# build's floor is linked as its tyx is. With --check the wall times are
# skipped and the exit status is 1 if tyx is over its budget: 1.15 times the
# floor's instructions for `tyx 1 1800` and 1.25 times for `tyx` when
# dynamically linked, 1.10 and 1.15 times when static, where no loader's work
# hides tyx's own.
set -euo pipefail
# valgrind's counts and awk's ratios are read and written with a decimal point.
export LC_ALL=C.UTF-8

check=false
runs=500
valgrind=valgrind
builds=()
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check=true ;;
    --runs) runs=$2; shift ;;
    --valgrind) valgrind=$2; shift ;;
    *) builds+=("$1") ;;
  esac
  shift
done
if [ ${#builds[@]} -eq 0 ]; then
  for build in build/test "build/portable-$(dpkg --print-architecture 2>/dev/null)"; do
    [ -d "$build" ] && builds+=("$build")
  done
  [ ${#builds[@]} -gt 0 ] || builds=(build/test)
fi

instructions() { # a count that valgrind does not give ends the script
  local count
  count=$("$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*I *refs: *\([0-9,]*\).*/\1/p' | tr -d ,)
  [[ $count =~ ^[1-9][0-9]*$ ]] || { echo "startup.sh: valgrind gave no instruction count for $*" >&2; exit 2; }
  echo "$count"
}

wall_ns() { # nanoseconds per run of "$@" over $runs runs
  if command -v hyperfine >/dev/null; then
    local json
    json=$(mktemp)
    hyperfine -N --style none --warmup 50 --runs "$runs" --export-json "$json" "$*" >/dev/null 2>&1
    sed -n 's/.*"median": *\([0-9.e-]*\).*/\1/p' "$json" | head -n 1 | awk '{ printf "%d", $1 * 1e9 }'
    rm -f "$json"
  else
    local start end
    for _ in $(seq 20); do "$@" >/dev/null; done
    start=$(date +%s%N)
    for _ in $(seq "$runs"); do "$@" >/dev/null; done
    end=$(date +%s%N)
    echo $(((end - start) / runs))
  fi
}

over=false
for build in "${builds[@]}"; do
  tyx=$build/tyx
  floor=$build/startup_floor
  for program in "$tyx" "$floor"; do
    [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 2; }
  done
  if ! cmp -s <("$tyx" 1 1800) <("$floor"); then
    echo "startup.sh: tyx 1 1800 and the floor print different bytes" >&2
    exit 1
  fi

  budgets=(1.15 1.25)
  kind=dynamic
  if ! readelf --program-headers "$tyx" | grep -q 'program interpreter'; then
    budgets=(1.10 1.15)
    kind=static
  fi
  floor_instructions=$(instructions "$floor")
  printf '%s (%s)\n' "$build" "$kind"
  printf '%-14s %14s %8s' command instructions ratio
  $check || printf ' %12s %8s' 'wall (us)' ratio
  printf '\n'
  $check || floor_ns=$(wall_ns "$floor")
  for row in "tyx 1 1800|${budgets[0]}|$tyx 1 1800" "tyx|${budgets[1]}|$tyx" "floor|-|$floor"; do
    IFS='|' read -r name budget command <<<"$row"
    # shellcheck disable=SC2086 # the command is split into its words on purpose
    count=$(instructions $command)
    ratio=$(awk -v a="$count" -v b="$floor_instructions" 'BEGIN { printf "%.3f", a / b }')
    printf '%-14s %14s %8s' "$name" "$count" "$ratio"
    if ! $check; then
      # shellcheck disable=SC2086
      if [ "$name" = floor ]; then ns=$floor_ns; else ns=$(wall_ns $command); fi
      printf ' %12.1f %8.3f' "$(awk -v n="$ns" 'BEGIN { print n / 1000 }')" \
        "$(awk -v a="$ns" -v b="$floor_ns" 'BEGIN { print a / b }')"
    fi
    if [ "$budget" != - ] && awk -v r="$ratio" -v b="$budget" 'BEGIN { exit !(r > b) }'; then
      printf '  over the budget of %s' "$budget"
      over=true
    fi
    printf '\n'
  done
done
$check && $over && exit 1
exit 0
