#!/usr/bin/env bash
# Builds the two release packages into build/packages/:
#   bootspan_1.0_amd64.deb     /usr/bin/bootspan and its man page bootspan(1)
#   Bootspan-1.0-win32.zip     Bootspan.exe, its companion string tables
#                              Bootspan.DEU, .FRA and .JPN, README.md and SHA256SUMS
# Each package is written under a temporary name and moved into place only
# when it is whole, so a failed run never leaves a broken package behind.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=1.0
out=$root/build/packages

fail() {
  echo "package: $*" >&2
  exit 1
}

for tool in cmake dpkg-deb dpkg-shlibdeps gzip zip sha256sum strip i686-w64-mingw32-g++-posix; do
  command -v "$tool" >/dev/null || fail "needs $tool (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The programs of the release presets, the same files the test command tests.
build_program() {
  local preset=$1 target=$2
  echo "package: building $target ($preset)"
  { cmake --preset "$preset" && cmake --build --preset "$preset" -j "$(nproc)" --target "$target"; } \
    >"$work/$preset.log" 2>&1 || fail "building $target failed:
$(tail -20 "$work/$preset.log")"
}
build_program host-release bootspan
build_program win32 Bootspan

# The Debian package.
deb=$work/deb
install -D -m 755 build/host-release/app/bootspan "$deb/usr/bin/bootspan"
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$deb/usr/bin/bootspan"
install -d "$deb/usr/share/man/man1" "$deb/usr/share/doc/bootspan"
gzip -9n <docs/bootspan.1 >"$deb/usr/share/man/man1/bootspan.1.gz"
install -m 644 packaging/copyright "$deb/usr/share/doc/bootspan/copyright"
gzip -9n <packaging/changelog >"$deb/usr/share/doc/bootspan/changelog.gz"

# The library packages the program needs, as dpkg-shlibdeps finds them.
mkdir -p "$work/shlibs/debian"
printf 'Source: bootspan\n\nPackage: bootspan\nArchitecture: amd64\n' \
  >"$work/shlibs/debian/control"
depends=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$deb/usr/bin/bootspan" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || fail "dpkg-shlibdeps found no library packages for /usr/bin/bootspan"
installed_size=$(du -sk --apparent-size "$deb/usr" | cut -f1)

install -d "$deb/DEBIAN"
(cd "$deb" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
sed -e "s/@VERSION@/$version/" -e "s/@DEPENDS@/$depends/" \
  -e "s/@INSTALLED_SIZE@/$installed_size/" packaging/control.in >"$deb/DEBIAN/control"
find "$deb" -type d -exec chmod 755 {} +
dpkg-deb --root-owner-group -Zxz --build "$deb" "$work/bootspan.deb" >/dev/null ||
  fail "dpkg-deb could not build the package"
mv "$work/bootspan.deb" "$out/bootspan_${version}_amd64.deb"
echo "package: $out/bootspan_${version}_amd64.deb"

# The Windows archive: fixed file times and no extra attributes, so the
# same commit gives the same archive.
zipdir=$work/Bootspan-$version-win32
install -d "$zipdir"
shipped=(Bootspan.exe Bootspan.DEU Bootspan.FRA Bootspan.JPN)
for file in "${shipped[@]}"; do
  [ -f "build/win32/app/$file" ] || fail "the win32 build left no $file"
  install -m 644 "build/win32/app/$file" "$zipdir/$file"
done
install -m 644 README.md "$zipdir/README.md"
(cd "$zipdir" && sha256sum "${shipped[@]}" README.md >SHA256SUMS)
touch -d "2026-01-01 00:00:00 UTC" "$zipdir" "$zipdir"/*
(cd "$work" && TZ=UTC zip -q -X -r "bootspan.zip" "Bootspan-$version-win32") ||
  fail "zip could not build the archive"
mv "$work/bootspan.zip" "$out/Bootspan-$version-win32.zip"
echo "package: $out/Bootspan-$version-win32.zip"
