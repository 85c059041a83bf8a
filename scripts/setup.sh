#!/usr/bin/env bash
# Installs what building and testing Bootspan needs on Debian 12. Safe to run
# again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake g++ make git ca-certificates
  libgtest-dev googletest libbenchmark-dev libfmt-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth
  locales
  lintian zip unzip man-db dpkg-dev
  osslsigncode openssl
)
locales_wanted=(en_US.UTF-8 en_GB.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 ja_JP.UTF-8 ko_KR.UTF-8 zh_TW.UTF-8)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# A mirror in the middle of a sync can fail one index (seen with the i386
# index of the security suite): try again, then go on with what was read.
update_indexes() {
  local try
  for try in 1 2 3; do
    sudo_if_needed apt-get update -q && return 0
    echo "setup: apt-get update failed (try $try of 3)"
    [ "$try" -lt 3 ] && sleep 10
  done
  return 0
}

install_packages() {
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -q --no-install-recommends "$@"
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  update_indexes
  # Without one suite's i386 index, the 32-bit libraries that wine32 needs
  # cannot match the versions of their 64-bit twins from that suite; the
  # release's own suite has both.
  if ! install_packages "${missing[@]}"; then
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "setup: installing again from $release alone"
    install_packages -t "$release" "${missing[@]}"
  fi
elif [ "${need_update:-0}" = 1 ]; then
  update_indexes
fi

# The POSIX locales the Linux build's locale tests run in.
regenerate=0
for l in "${locales_wanted[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "$(echo "$l" | sed 's/UTF-8/utf8/')"; then
    sudo_if_needed sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | sudo_if_needed tee -a /etc/locale.gen >/dev/null
    regenerate=1
  fi
done
if [ "$regenerate" = 1 ]; then sudo_if_needed locale-gen >/dev/null; fi
echo "setup: ready"
