#!/usr/bin/env bash
# clang-tidy sur le code du projet (pas sur le code produit par moc).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || cmake --preset defaut >/dev/null
fichiers=$(git ls-files 'src/*.cpp')
run-clang-tidy -p build -quiet $fichiers 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g' | grep -E '^/.*(warning|error):' | sort -u || true
