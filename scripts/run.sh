#!/usr/bin/env bash
# Builds Tarnwell and starts its main window (build/bin/Vantora starts it the way an
# installation does, with the splash and the disclaimer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target Program Vantora tarnwell
exec build/bin/Program "$@"
