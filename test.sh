#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300
