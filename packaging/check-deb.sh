#!/usr/bin/env bash
# The checks of a Debian build of tyx in FOLDER (the .changes, the .deb and build.log,
# dpkg-buildpackage's output), with the building release's own lintian, blhc and hardening-check, as
# the user who built it:   packaging/check-deb.sh [--fail-on LEVELS] FOLDER
# lintian shows every tag down to the pedantic ones and fails on LEVELS (by default all: silent
# but for what the overrides explain).
set -euo pipefail
levels=error,warning,info,pedantic
if [ "$1" = --fail-on ]; then
  levels=$2
  shift 2
fi
folder=$1
# A lintian older than the policy that the recipe follows does not know its
# Standards-Version (Debian 12's says newer-standards-version).
lintian -I --pedantic --suppress-tags newer-standards-version --fail-on "$levels" "$folder"/tyx_*.changes
echo "lintian: nothing at $levels"
blhc --all "$folder/build.log"
echo "blhc: nothing to report"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
deb=("$folder"/tyx_*.deb)
dpkg-deb -x "${deb[0]}" "$unpacked"
# The start files that the .deb's compiler links in, for its architecture.
CC=$(dpkg-architecture -a "$(dpkg-deb -f "${deb[0]}" Architecture)" -q DEB_HOST_GNU_TYPE 2>/dev/null)-gcc \
  "$(dirname "$0")/hardening-check.sh" "$unpacked/usr/bin/tyx"
