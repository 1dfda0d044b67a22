#!/usr/bin/env bash
# Builds the native Linux program and runs it: tools/run.sh [switch], "/S" (the show) by default.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUOREX_TESTS=OFF > /dev/null
cmake --build build/release -j"$(nproc)" --target quorex
exec build/release/quorex "${@:-/S}"
