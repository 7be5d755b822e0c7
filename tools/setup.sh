#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing the
# screensaver, and downloads GLFW's source package into third_party_cache/.
# Idempotent: a second run only checks and returns.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="$root/build-deps"

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xdotool x11-utils imagemagick libgl1-mesa-dri
  cmake ninja-build g++ clang libclang-rt-14-dev
  googletest libgtest-dev glslang-tools icoutils dpkg-dev python3
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# GLFW's source comes from Debian's own source package; the deb-src entry is
# derived from the machine's apt sources so no mirror is named here.
srcfile=/etc/apt/sources.list.d/veltrane-deb-src.sources
need_update=0
if [ ! -f "$srcfile" ]; then
  main_sources=/etc/apt/sources.list.d/debian.sources
  if [ -f "$main_sources" ]; then
    sed -e 's/^Types:.*/Types: deb-src/' "$main_sources" | sudo_if_needed tee "$srcfile" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed -e 's/^deb /deb-src /' \
      | sudo_if_needed tee /etc/apt/sources.list.d/veltrane-deb-src.list >/dev/null
    srcfile=/etc/apt/sources.list.d/veltrane-deb-src.list
  fi
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  sudo_if_needed apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$cache"
if ! ls "$cache"/glfw3_3.3.8*.orig.tar.gz >/dev/null 2>&1; then
  echo "setup: downloading GLFW's Debian source package"
  (cd "$cache" && apt-get source --download-only glfw3 >/dev/null 2>&1 || {
     sudo_if_needed apt-get update -qq && apt-get source --download-only glfw3 >/dev/null; })
fi
ls "$cache"/glfw3_3.3.8*.orig.tar.gz >/dev/null
