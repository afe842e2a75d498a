#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from .clang-format: ./scripts/check_format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: every C++ file as .clang-format writes it"
