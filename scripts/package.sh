#!/usr/bin/env bash
# Builds the two release packages and SHA256SUMS over both:
#   bootspan_1.0_amd64.deb     /usr/bin/bootspan and its man page bootspan(1)
#   Bootspan-1.0-win32.zip     Bootspan.exe, its companion string tables
#                              Bootspan.DEU, .FRA and .JPN, README.txt,
#                              LICENSE and SHA256SUMS
#
#   scripts/package.sh          the Linux program built in build/release-linux,
#                               the Windows files of the win32 preset (the ones
#                               the test command tests); packages in build/packages
#   scripts/package.sh FOLDER   both programs built afresh in FOLDER/linux and
#                               FOLDER/win32; packages in FOLDER/packages
#
# The same commit gives the same bytes: every file time in the packages is
# SOURCE_DATE_EPOCH, by default the time of the last commit, and the archive
# keeps its entries sorted. The Linux program is built with Debian's hardening
# flags (dpkg-buildflags). With BOOTSPAN_SIGN_PKCS12 and BOOTSPAN_SIGN_PASSWORD
# set, the Windows files are signed (scripts/sign.sh) before they are packed.
# Each package is written under a temporary name and moved into place only
# when it is whole, so a failed run never leaves a broken package behind.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=1.0

fail() {
  echo "package: $*" >&2
  exit 1
}

for tool in cmake dpkg-deb dpkg-shlibdeps dpkg-buildflags gzip zip sha256sum strip \
  i686-w64-mingw32-g++-posix; do
  command -v "$tool" >/dev/null || fail "needs $tool (scripts/setup.sh installs it)"
done

if [ $# -gt 0 ]; then
  builds=$(realpath -m "$1")
  linux_build=$builds/linux
  win32_build=$builds/win32
  out=$builds/packages
else
  linux_build=$root/build/release-linux
  win32_build=$root/build/win32
  out=$root/build/packages
fi

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
    dpkg-parsechangelog -l packaging/changelog -STimestamp)
fi
export SOURCE_DATE_EPOCH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# build NAME FOLDER TARGET CMAKE_ARGS...: configures FOLDER and builds TARGET.
build() {
  local name=$1 folder=$2 target=$3
  shift 3
  echo "package: building $target ($name)"
  { cmake -S "$root" -B "$folder" "$@" && cmake --build "$folder" -j "$(nproc)" --target "$target"; } \
    >"$work/$name.log" 2>&1 || fail "building $target failed:
$(tail -20 "$work/$name.log")"
}

# The Linux program with Debian's hardening flags: fortify, strong stack
# protector, read-only relocations bound at start, position independent. Its
# build folder is mapped away like the source folder, so that the debugging
# data, and with them the build id, do not depend on where it was built. One
# compilation a folder (a unity build) halves the time of a build that the
# test command makes twice.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
build linux "$linux_build" bootspan -DCMAKE_BUILD_TYPE=None -DBOOTSPAN_TESTS=OFF \
  -DBOOTSPAN_FAULT_PROGRAM=OFF -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -ffile-prefix-map=$linux_build=." \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
if [ $# -gt 0 ]; then
  build win32 "$win32_build" Bootspan -DCMAKE_BUILD_TYPE=MinSizeRel -DBOOTSPAN_TESTS=OFF \
    -DBOOTSPAN_FAULT_PROGRAM=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake"
else
  echo "package: building Bootspan (win32)"
  { cmake --preset win32 && cmake --build --preset win32 -j "$(nproc)" --target Bootspan; } \
    >"$work/win32.log" 2>&1 || fail "building Bootspan failed:
$(tail -20 "$work/win32.log")"
fi

# stamp FOLDER: gives every file and folder below FOLDER the release's time.
stamp() {
  find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

# The Debian package.
deb=$work/deb
install -D -m 755 "$linux_build/app/bootspan" "$deb/usr/bin/bootspan"
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$deb/usr/bin/bootspan"
install -d "$deb/usr/share/man/man1" "$deb/usr/share/doc/bootspan"
gzip -9n <docs/bootspan.1 >"$deb/usr/share/man/man1/bootspan.1.gz"
install -m 644 packaging/copyright "$deb/usr/share/doc/bootspan/copyright"
gzip -9n <packaging/changelog >"$deb/usr/share/doc/bootspan/changelog.gz"
if [ -f packaging/lintian-overrides ]; then
  install -D -m 644 packaging/lintian-overrides "$deb/usr/share/lintian/overrides/bootspan"
fi
chmod 644 "$deb/usr/share/man/man1/bootspan.1.gz" "$deb/usr/share/doc/bootspan/changelog.gz"

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
chmod 644 "$deb/DEBIAN/md5sums" "$deb/DEBIAN/control"
find "$deb" -type d -exec chmod 755 {} +
stamp "$deb"
dpkg-deb --root-owner-group -Zxz --build "$deb" "$work/bootspan.deb" >/dev/null ||
  fail "dpkg-deb could not build the package"
mv "$work/bootspan.deb" "$out/bootspan_${version}_amd64.deb"
echo "package: $out/bootspan_${version}_amd64.deb"

# The Windows archive. Its texts end their lines with CR LF, as Windows
# editors expect.
name=Bootspan-$version-win32
zipdir=$work/$name
install -d "$zipdir"
shipped=(Bootspan.exe Bootspan.DEU Bootspan.FRA Bootspan.JPN)
for file in "${shipped[@]}"; do
  [ -f "$win32_build/app/$file" ] || fail "the win32 build left no $file"
  install -m 644 "$win32_build/app/$file" "$zipdir/$file"
done
sed 's/\r*$/\r/' packaging/README.txt >"$zipdir/README.txt"
sed 's/\r*$/\r/' LICENSE >"$zipdir/LICENSE"
chmod 644 "$zipdir/README.txt" "$zipdir/LICENSE"
if [ -n "${BOOTSPAN_SIGN_PKCS12:-}${BOOTSPAN_SIGN_PASSWORD:-}" ]; then
  scripts/sign.sh "$zipdir" || fail "signing failed"
fi
(cd "$zipdir" && sha256sum "${shipped[@]}" LICENSE README.txt >SHA256SUMS && chmod 644 SHA256SUMS)
stamp "$zipdir"
(cd "$work" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ bootspan.zip) ||
  fail "zip could not build the archive"
mv "$work/bootspan.zip" "$out/$name.zip"
echo "package: $out/$name.zip"

(cd "$out" && sha256sum "bootspan_${version}_amd64.deb" "$name.zip" >SHA256SUMS.tmp &&
  mv SHA256SUMS.tmp SHA256SUMS)
echo "package: $out/SHA256SUMS"
