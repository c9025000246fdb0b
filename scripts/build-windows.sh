#!/usr/bin/env bash
# Cross-builds the Qt-free core, its unit tests and kovrin-cli.exe for 64-bit Windows with
# Debian's MinGW-w64, into build-windows/ (GoogleTest first, from the sources Debian's googletest
# package ships, with the same toolchain). The programs run under Wine: CTest and GoogleTest's
# test discovery start them through the wine binary, with a Wine prefix of the build's own.
# Extra arguments go to CMake's configure step.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/build-windows"
toolchain="$here/cmake/mingw-w64-x86_64.cmake"
gtest_prefix="$out/googletest-install"
export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all
source "$here/scripts/wine-session.sh"

# A Linux path is drive Z: under Wine; the folder names in the tests need UTF-8 to reach it whole.
emulator="env;WINEPREFIX=$WINEPREFIX;WINEDEBUG=-all;LC_ALL=C.UTF-8;$wine"

if [[ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]]; then
    echo "-- GoogleTest for Windows (from /usr/src/googletest)"
    cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest_prefix" \
        -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$out/googletest"
    cmake --install "$out/googletest" >/dev/null
fi

# GoogleTest's discovery runs each test program as it is linked.
wine_session_start

# Release at -O2, as the Linux build optimises.
cmake -S "$here" -B "$out/kovrin" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DKOVRIN_GUI=OFF -DKOVRIN_BENCH=OFF -DKOVRIN_WERROR=ON \
    -DCMAKE_PREFIX_PATH="$gtest_prefix" -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" "$@" >/dev/null
cmake --build "$out/kovrin"
