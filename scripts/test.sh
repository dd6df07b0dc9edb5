#!/usr/bin/env bash
# Builds Tarnwell from scratch in build-test/ with warnings as errors and runs every test.
# GUI tests use Qt's offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
# ccache, where present, makes a rebuild of unchanged sources instant.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTARNWELL_WERROR=ON "${launcher[@]}"
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# Once more on a decimal-comma machine: no number may depend on the C library's locale.
LC_ALL=de_DE.UTF-8 ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# The Debian package of the tested build, and what it holds.
scripts/package.sh build-test
