#!/usr/bin/env bash
# Builds Tarnwell and starts it (through its launcher, as an installation does).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Program Vantora
exec build/bin/Program "$@"
