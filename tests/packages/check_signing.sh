#!/usr/bin/env bash
# Signs copies of the Windows files with a throwaway self-signed certificate
# made here, checks that each carries a signature by it, and that removing the
# signature gives back the unsigned file byte for byte. Prints "signing ok
# NAME" or "signing FAILED NAME: why" a check; exits 1 when one failed.
#   tests/packages/check_signing.sh [FOLDER]   (default build/win32/app)
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
from=${1:-build/win32/app}
files=(Bootspan.exe Bootspan.DEU Bootspan.FRA Bootspan.JPN)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check=signing
. tests/packages/check_lines.sh

mkdir "$work/files"
for file in "${files[@]}"; do
  cp "$from/$file" "$work/files/$file" || exit 1
done

# Without a certificate nothing is signed, and the script says what is missing.
if env -u BOOTSPAN_SIGN_PKCS12 -u BOOTSPAN_SIGN_PASSWORD scripts/sign.sh "$work/files" >"$work/out" 2>&1 ||
  ! grep -q 'BOOTSPAN_SIGN_PKCS12.*BOOTSPAN_SIGN_PASSWORD' "$work/out" ||
  ! cmp -s "$from/Bootspan.exe" "$work/files/Bootspan.exe"; then
  bad without-certificate "$(cat "$work/out")"
else
  ok without-certificate
fi

password=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
if ! { openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Bootspan test signing" \
  -keyout "$work/key.pem" -out "$work/cert.pem" &&
  openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
    -passout "pass:$password"; } >"$work/openssl.log" 2>&1; then
  bad certificate "$(tail -3 "$work/openssl.log")"
  exit 1
fi
if ! BOOTSPAN_SIGN_PKCS12=$work/cert.p12 BOOTSPAN_SIGN_PASSWORD=$password \
  scripts/sign.sh "$work/files" >"$work/out" 2>&1; then
  bad sign "$(tail -3 "$work/out")"
  exit 1
fi

for file in "${files[@]}"; do
  signed=$work/files/$file
  rm -f "$work/unsigned"
  if ! osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" >"$work/verify" 2>&1; then
    bad "$file" "no valid signature: $(tail -3 "$work/verify")"
  elif ! osslsigncode remove-signature -in "$signed" -out "$work/unsigned" >"$work/remove" 2>&1; then
    bad "$file" "the signature could not be removed: $(tail -3 "$work/remove")"
  elif ! cmp -s "$work/unsigned" "$from/$file"; then
    bad "$file" "without its signature it differs: $(cmp "$work/unsigned" "$from/$file" | head -1)"
  else
    ok "$file $(stat -c %s "$from/$file") + $(($(stat -c %s "$signed") - $(stat -c %s "$from/$file"))) bytes"
  fi
done
exit $status
