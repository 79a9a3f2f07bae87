#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, where they are missing.
# The shipped program is 32-bit: its tests run in a 32-bit Wine, which needs the i386
# architecture.
set -eu
packages=(cmake make g++ clang-14 libclang-rt-14-dev clang-format googletest zip unzip python3
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
          wine wine32:i386 wine64 xvfb xauth imagemagick)
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
fi
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
