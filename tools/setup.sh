#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need and the zh_CN.UTF-8 locale; quick when all is there.
set -euo pipefail

PACKAGES=(cmake g++ googletest libgtest-dev libgmock-dev libbenchmark-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb xdotool imagemagick fonts-wqy-microhei locales libfreetype-dev valgrind clang-format
          zlib1g-dev libz-mingw-w64-dev zip)

if ((EUID == 0)); then
  as_root() { "$@"; }
elif command -v sudo >/dev/null; then
  as_root() { sudo "$@"; }
else
  as_root() {
    echo "setup: need root (or sudo) to run: $*" >&2
    return 1
  }
fi

installed() {
  dpkg -s "$1" 2>/dev/null | grep -qx "Status: install ok installed"
}

install_missing_packages() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    installed "$package" || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "setup: installing ${missing[*]}"
  # wine32 is an i386 package.
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

has_chinese_locale() {
  locale -a 2>/dev/null | grep -qiE '^zh_CN\.utf-?8$'
}

generate_chinese_locale() {
  has_chinese_locale && return 0
  echo "setup: generating the zh_CN.UTF-8 locale"
  if grep -qE '^#\s*zh_CN\.UTF-8 UTF-8' /etc/locale.gen; then
    as_root sed -i -E 's/^#\s*(zh_CN\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  elif ! grep -qE '^zh_CN\.UTF-8 UTF-8' /etc/locale.gen; then
    echo "zh_CN.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen
}

install_missing_packages
generate_chinese_locale
