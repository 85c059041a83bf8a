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
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check=package
. tests/packages/check_lines.sh

# The Debian package: the files, lintian, the man page and the program.
if dpkg-deb -x "$deb" "$work/deb" 2>"$work/err"; then
  listing=$(cd "$work/deb" && find . -type f | sort | tr '\n' ' ')
  expected="./usr/bin/bootspan ./usr/share/doc/bootspan/changelog.gz ./usr/share/doc/bootspan/copyright ./usr/share/lintian/overrides/bootspan ./usr/share/man/man1/bootspan.1.gz "
  [ "$listing" = "$expected" ] && ok deb-files || bad deb-files "holds $listing"

  # No tag at any level but the overrides, each under the comment that gives
  # its reason.
  lintian --pedantic -I -E "$deb" >"$work/lintian" 2>"$work/lintian-err"
  code=$?
  grep -v '^running with root privileges is not recommended!$' "$work/lintian-err" >>"$work/lintian"
  unreasoned=$(awk '!/^#/ && previous !~ /^#/ { print } { previous = $0 }' packaging/lintian-overrides)
  if [ "$code" -eq 0 ] && [ ! -s "$work/lintian" ] && [ -z "$unreasoned" ]; then
    ok deb-lintian
  else
    bad deb-lintian "$(head -5 "$work/lintian") $unreasoned"
  fi

  # The C++ runtime is linked in: the C library is the one dependency.
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -qxE 'libc6( \(>= [0-9.]+\))?' <<<"$depends" && ok deb-depends || bad deb-depends "$depends"

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
  expected="./Bootspan-1.0-win32/Bootspan.DEU ./Bootspan-1.0-win32/Bootspan.FRA ./Bootspan-1.0-win32/Bootspan.JPN ./Bootspan-1.0-win32/Bootspan.exe ./Bootspan-1.0-win32/LICENSE ./Bootspan-1.0-win32/README.txt ./Bootspan-1.0-win32/SHA256SUMS "
  [ "$listing" = "$expected" ] && ok zip-files || bad zip-files "holds $listing"
  entries=$(unzip -Z1 "$zip")
  [ "$entries" = "$(LC_ALL=C sort <<<"$entries")" ] && ok zip-sorted || bad zip-sorted "$(tr '\n' ' ' <<<"$entries")"
  # The texts are plain ASCII with every line ended by CR LF, for any Windows editor.
  for text in README.txt LICENSE; do
    if LC_ALL=C grep -qP '[^\x09\x0d\x20-\x7e]|\r.|[^\r]$|^$' "$dir/$text" || [ "$(tail -c 2 "$dir/$text" | od -An -tx1 | tr -d ' ')" != 0d0a ]; then
      bad "zip-$text" "not plain ASCII ended by CR LF on every line"
    else
      ok "zip-$text"
    fi
  done
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

if (cd "$packages" && sha256sum --quiet -c SHA256SUMS) >"$work/sums" 2>&1 &&
  [ "$(cut -d' ' -f3 "$packages/SHA256SUMS" | tr '\n' ' ')" = "$(basename "$deb") $(basename "$zip") " ]; then
  ok package-checksums
else
  bad package-checksums "$(cat "$work/sums" "$packages/SHA256SUMS")"
fi

exit $status
