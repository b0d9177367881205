#!/usr/bin/env bash
# Builds Noktaris with its tests and runs them all headless.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
ensure_packages
build
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
ctest --test-dir "$NOKTARIS_BUILD_DIR" --output-on-failure -j"$(nproc)"
