#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the repository differs from .clang-format: ./scripts/check_format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: every C++ file as .clang-format writes it"

# Every source file names its licence on its first lines.
missing=$(git ls-files '*.cpp' '*.h' 'CMakeLists.txt' '*/CMakeLists.txt' '*.sh' | while read -r f; do
    head -3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
done)
if [ -n "$missing" ]; then
    echo "These files lack the SPDX licence line:" >&2
    echo "$missing" >&2
    exit 1
fi
echo "SPDX: every source file names its licence"
