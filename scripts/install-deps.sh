#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, where they are missing.
set -eu
packages=(cmake make g++ clang-14 libclang-rt-14-dev googletest
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth imagemagick)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
