#!/usr/bin/env bash
# Construit Pulsodex et passe tous ses tests (unitaires, fenêtres hors écran,
# bout en bout sous Xvfb, écriture des réglages, corpus des cibles de fuzzing),
# avec les avertissements traités comme des erreurs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dependances.sh
cmake --preset ci
cmake --build --preset ci
cmake --build --preset ci --target format-check
scripts/verifier_architecture.sh
ctest --preset ci
# Une seconde fois là où vivent les utilisateurs : un bureau français.
ctest --preset ci-fr

# Les cibles de fuzzing (clang) rejouent leur corpus.
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz

# Pour information : la part des tests dans le code.
scripts/part_des_tests.sh
