# Sourced by the tools: sets root and build, sets the machine up once, and
# offers the configure-and-build steps of the two builds.
#
#   source tools/build_common.sh
#   build_windows [targets...]     configure build/windows and build the targets (all by default)
#   build_native                   configure build/native (clang, sanitizers) and build it

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELTRANE_BUILD:-$root/build}"
cd "$root"
bash tools/setup.sh

build_windows() {
  cmake -S "$root" -B "$build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$build/windows" --target "$@"
  else
    cmake --build "$build/windows"
  fi
}

build_native() {
  cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
  cmake --build "$build/native"
}
