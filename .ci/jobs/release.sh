# shellcheck shell=bash disable=SC2154 # work, logs, tree, commit and version: .ci/run and lib.sh
# A release of HEAD in one job, into build/dist: the tarball, the Debian source package and .debs,
# the RPM and its source, the Windows zip, the Linux archives, the changelog's section for it,
# SHA256SUMS naming them all, and SHA256SUMS.asc when TYX_SIGNING_KEY names a GnuPG key. What other
# jobs of the run handed on is taken up. A tree with any change, an untracked file too, is refused.
# release_notes: CHANGELOG.md's section of this version, alone.
release_notes() { awk -v heading="## $version - " 'index($0, heading) == 1 { inside = 1 }
  inside && /^## / && index($0, heading) != 1 { exit } inside { print }' CHANGELOG.md; }
# sign FOLDER: FOLDER/SHA256SUMS.asc, a detached ASCII-armoured signature by TYX_SIGNING_KEY's key.
sign() { gpg --batch --yes --local-user "$TYX_SIGNING_KEY" --armor --detach-sign \
  --output "$1/SHA256SUMS.asc" "$1/SHA256SUMS"; gpg --batch --verify "$1/SHA256SUMS.asc" "$1/SHA256SUMS"; }
job_release() {
  local dist=$tree/build/dist tarball kind changed
  changed=$(git -C "$tree" status --porcelain --untracked-files=all && git -C "$tree" rev-parse HEAD)
  [ "$changed" = "$commit" ] || { echo "release: a release is of a commit, and $tree has changes: $changed" >&2; return 1; }
  packages gnupg
  rm -rf "$dist"
  mkdir -p "$dist"
  tarball=$(tarball)
  cp "$tarball" "$dist/"
  # What this run's debian, rpm and reproducible jobs made, or else the same made here.
  if [ ! -d "$handed/debs" ]; then debian_packages "$work/debs"; fi
  if [ ! -d "$handed/rpms" ]; then job_rpm; fi
  if [ ! -d "$handed/archives" ]; then job_reproducible; fi
  for kind in debs rpms archives; do take $kind "$dist"; done
  release_notes >"$dist/RELEASE-NOTES.md"
  (cd "$dist" && LC_ALL=C sha256sum -- * >"$work/SHA256SUMS" && mv "$work/SHA256SUMS" . && sha256sum -c SHA256SUMS)
  if [ -n "${TYX_SIGNING_KEY:-}" ]; then
    sign "$dist"
  else
    echo "verdict: not signed: TYX_SIGNING_KEY names no key"
    # Signing, proven with a key made for the purpose, which then goes away.
    ( export GNUPGHOME=$work/gnupg TYX_SIGNING_KEY=tyx-test@example.invalid
      mkdir -m 700 "$GNUPGHOME" && trap 'gpgconf --kill all' EXIT
      gpg --batch --passphrase '' --quick-gen-key "tyx test <$TYX_SIGNING_KEY>" ed25519 sign never
      cp "$dist/SHA256SUMS" "$work/"
      sign "$work"
      echo "0000  tampered" >>"$work/SHA256SUMS"
      if gpg --batch --verify "$work/SHA256SUMS.asc" "$work/SHA256SUMS"; then exit 1; fi
    )
  fi
  echo "verdict: $dist holds SHA256SUMS and the $(wc -l <"$dist/SHA256SUMS") files it names"
}
