#!/usr/bin/env bash
# Builds the quiz core and a small program on it with the MinGW-w64 cross
# compiler and checks that a Windows executable came out.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

cmake -S "$source_dir/tests/cross" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
kind=$(file -b "$build/core_smoke.exe")
echo "core_smoke.exe: $kind"
case "$kind" in
  PE32+\ executable*x86-64*) echo "1 passed, 0 failed" ;;
  *) echo "FAIL: not a 64-bit Windows executable"; exit 1 ;;
esac
