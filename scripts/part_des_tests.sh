#!/usr/bin/env bash
# Part des tests dans le code : lignes ni vides ni de commentaire seul des
# fichiers suivis par git, sources de src/ contre tests de tests/. Pour
# information : rien n'échoue selon la valeur.
set -euo pipefail
cd "$(dirname "$0")/.."

code=$(git ls-files -- 'src/*.cpp' 'src/*.h' | xargs cat | grep -c -v -E '^\s*(//.*)?$')
tests=$(git ls-files -- 'tests/*.cpp' 'tests/*.h' 'tests/*.sh' 'tests/*.py' | xargs cat |
    grep -c -v -E '^\s*(#.*|//.*)?$')
echo "Code : $code lignes ; tests : $tests lignes ; part des tests : $((100 * tests / code)) % (visée : 25 à 35 %)"
