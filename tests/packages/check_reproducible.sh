#!/usr/bin/env bash
# Builds the release a second time, later and in another folder
# (build/release-again: both programs and both packages, nothing else), and
# compares it byte for byte with the first: the four shipped Windows files
# with those of the win32 preset, the .deb, the .zip and their SHA256SUMS
# with build/packages. Prints "reproducible ok NAME" or "reproducible FAILED
# NAME: why" a file; exits 1 on a difference.
#   tests/packages/check_reproducible.sh   (after scripts/package.sh)
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
first_win32=build/win32/app
first_packages=build/packages
again=build/release-again

check=reproducible
. tests/packages/check_lines.sh

deb=bootspan_1.0_amd64.deb
zip=Bootspan-1.0-win32.zip
for file in "$first_packages/$deb" "$first_packages/$zip" "$first_win32/Bootspan.exe"; do
  [ -f "$file" ] || {
    bad first-build "no $file (run scripts/package.sh first)"
    exit 1
  }
done

# The second run starts at another second of the clock than the first
# package was made in, so a file time taken from the clock would show.
while [ "$(date +%s)" -le "$(stat -c %Y "$first_packages/$zip")" ]; do sleep 0.2; done
rm -rf "$again"
if ! scripts/package.sh "$again" >build/release-again.log 2>&1; then
  bad second-build "scripts/package.sh $again failed (build/release-again.log): $(tail -3 build/release-again.log)"
  exit 1
fi

# same NAME FIRST SECOND
same() {
  if cmp -s "$2" "$3"; then
    ok "$1 $(sha256sum <"$2" | cut -c1-16)"
  else
    bad "$1" "the two builds differ: $(cmp "$2" "$3" | head -1)"
  fi
}
for file in Bootspan.exe Bootspan.DEU Bootspan.FRA Bootspan.JPN; do
  same "$file" "$first_win32/$file" "$again/win32/app/$file"
done
for file in "$deb" "$zip" SHA256SUMS; do
  same "$file" "$first_packages/$file" "$again/packages/$file"
done
exit $status
