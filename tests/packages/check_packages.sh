#!/usr/bin/env bash
# Unpacks the release packages of build/packages/ and runs what is inside.
# Prints one line a check: "package ok NAME", "package FAILED NAME: why" or
# "package skipped NAME: why"; exits 1 when a check failed.
#   tests/packages/check_packages.sh [box_probe.exe]
set -uo pipefail
cd "$(dirname "$0")/../.."
packages=build/packages
deb=$packages/bootspan_1.0_amd64.deb
zip=$packages/Bootspan-1.0-win32.zip
probe=${1:-build/win32/tests/e2e/box_probe.exe}
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ok() { echo "package ok $1"; }
bad() {
  echo "package FAILED $1: $2"
  status=1
}

# The Debian package: the files, lintian, the man page and the program.
if dpkg-deb -x "$deb" "$work/deb" 2>"$work/err"; then
  listing=$(cd "$work/deb" && find . -type f | sort | tr '\n' ' ')
  expected="./usr/bin/bootspan ./usr/share/doc/bootspan/changelog.gz ./usr/share/doc/bootspan/copyright ./usr/share/man/man1/bootspan.1.gz "
  [ "$listing" = "$expected" ] && ok deb-files || bad deb-files "holds $listing"

  if lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
    ok deb-lintian
  else
    bad deb-lintian "$(grep -E '^[EW]:' "$work/lintian" | head -5)"
  fi

  page=$(MANWIDTH=80 man --warnings -l "$work/deb/usr/share/man/man1/bootspan.1.gz" 2>"$work/man-err")
  if [ -s "$work/man-err" ] || ! grep -q 'EXIT STATUS' <<<"$page"; then
    bad deb-man-page "$(head -3 "$work/man-err")"
  else
    ok deb-man-page
  fi

  # The installed program prints the sentence for this machine and exits 0.
  program=$work/deb/usr/bin/bootspan
  for case in "en_US.UTF-8|[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)" "C|[0-9]{2}:[0-9]{2}:[0-9]{2}"; do
    locale=${case%%|*}
    time=${case#*|}
    LC_ALL=$locale "$program" >"$work/out"
    code=$?
    # One line, ended by CR LF as every console text of the program is.
    text=$(tr -d '\r' <"$work/out")
    if [ "$code" -eq 0 ] && [ "$(wc -l <"$work/out")" -eq 1 ] && [ "$(tail -c 2 "$work/out" | od -An -tx1 | tr -d ' ')" = 0d0a ] &&
      grep -qxE "Your computer was started $time ago" <<<"$text"; then
      ok "deb-run-$locale"
    else
      bad "deb-run-$locale" "exit $code, printed: $text"
    fi
  done
else
  bad deb-unpack "$(cat "$work/err")"
fi

# The Windows archive: exactly its six files, the checksums, the program.
if unzip -q "$zip" -d "$work/zip" 2>"$work/err"; then
  dir=$work/zip/Bootspan-1.0-win32
  listing=$(cd "$work/zip" && find . -type f | sort | tr '\n' ' ')
  expected="./Bootspan-1.0-win32/Bootspan.DEU ./Bootspan-1.0-win32/Bootspan.FRA ./Bootspan-1.0-win32/Bootspan.JPN ./Bootspan-1.0-win32/Bootspan.exe ./Bootspan-1.0-win32/README.md ./Bootspan-1.0-win32/SHA256SUMS "
  [ "$listing" = "$expected" ] && ok zip-files || bad zip-files "holds $listing"
  if (cd "$dir" && sha256sum --quiet -c SHA256SUMS) >"$work/sums" 2>&1; then
    ok zip-checksums
  else
    bad zip-checksums "$(cat "$work/sums")"
  fi
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "package skipped zip-run: Wine needs a kernel that runs 32-bit code"
  elif [ ! -f "$probe" ]; then
    bad zip-run "no box probe at $probe"
  else
    # The probe checks the box's sentence against this locale's own answers.
    if LC_ALL=en_US.UTF-8 xvfb-run -a wine "$probe" --uptime "$dir/Bootspan.exe" >"$work/probe" 2>&1 &&
      grep -q '^PASS' "$work/probe"; then
      ok zip-run
    else
      bad zip-run "$(tail -3 "$work/probe")"
    fi
  fi
else
  bad zip-unpack "$(cat "$work/err")"
fi

exit $status
