#!/usr/bin/env bash
# Installs the Debian packages a purpose needs when they are missing: install-deps.sh run|test
set -euo pipefail

run_packages=(cmake g++ make libfltk1.3-dev libx11-dev libxss-dev)
test_packages=("${run_packages[@]}" libgtest-dev libbenchmark-dev libxtst-dev xvfb xdotool imagemagick
  x11-utils x11-xserver-utils bc g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64
  wine32:i386 clang libclang-rt-14-dev python3)

case "${1:-test}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
