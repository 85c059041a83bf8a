#!/usr/bin/env bash
# Signs the Windows files (Bootspan.exe and its companion files Bootspan.DEU,
# .FRA and .JPN) in FOLDER with an Authenticode signature, in place:
#
#   BOOTSPAN_SIGN_PKCS12=release.p12 BOOTSPAN_SIGN_PASSWORD=... scripts/sign.sh FOLDER
#
# BOOTSPAN_SIGN_PKCS12 names the PKCS#12 file that holds the certificate and
# its key, BOOTSPAN_SIGN_PASSWORD is its password. BOOTSPAN_SIGN_TIMESTAMP may
# name a time-stamping server (RFC 3161), so that signatures stay valid after
# the certificate expires. scripts/package.sh calls this before it packs the
# files when both variables are set.
#
# A signature is appended to each file and leaves the rest as it was:
# `osslsigncode remove-signature` gives back the unsigned file byte for byte.
set -euo pipefail

fail() {
  echo "sign: $*" >&2
  exit 1
}

[ $# -eq 1 ] || fail "usage: scripts/sign.sh FOLDER (the folder that holds Bootspan.exe)"
folder=$1
command -v osslsigncode >/dev/null || fail "osslsigncode is missing; install the package osslsigncode"
missing=()
[ -n "${BOOTSPAN_SIGN_PKCS12:-}" ] || missing+=("BOOTSPAN_SIGN_PKCS12 (the PKCS#12 file of the certificate)")
[ -n "${BOOTSPAN_SIGN_PASSWORD:-}" ] || missing+=("BOOTSPAN_SIGN_PASSWORD (its password)")
if [ ${#missing[@]} -gt 0 ]; then
  fail "nothing signed: set $(printf '%s and ' "${missing[@]}" | sed 's/ and $//')"
fi
[ -f "$BOOTSPAN_SIGN_PKCS12" ] || fail "no certificate file $BOOTSPAN_SIGN_PKCS12"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
timestamp=()
[ -n "${BOOTSPAN_SIGN_TIMESTAMP:-}" ] && timestamp=(-ts "$BOOTSPAN_SIGN_TIMESTAMP")
for file in Bootspan.exe Bootspan.DEU Bootspan.FRA Bootspan.JPN; do
  path=$folder/$file
  [ -f "$path" ] || fail "no $path"
  # The password goes through a file, not the command line that any user of
  # this machine can read.
  if ! osslsigncode sign -pkcs12 "$BOOTSPAN_SIGN_PKCS12" -readpass <(printf '%s' "$BOOTSPAN_SIGN_PASSWORD") \
    -n Bootspan -h sha256 "${timestamp[@]}" \
    -in "$path" -out "$path.signed" >"$log" 2>&1; then
    rm -f "$path.signed"
    fail "signing $file failed: $(tail -3 "$log")"
  fi
  mv "$path.signed" "$path"
  echo "sign: $path"
done
