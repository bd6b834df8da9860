#!/usr/bin/env bash
# Passe chaque programme de tests (unitaires et fenêtres) d'un seul tenant,
# dans un ordre tiré au hasard : un test qui dépend d'un autre échoue ici,
# alors que CTest donne à chacun son propre processus.
# Usage : scripts/binaires_entiers.sh [dossier de construction] [répétitions]
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${1:-build}
repetitions=${2:-2}

mapfile -t binaires < <(ctest --test-dir "$construction" --show-only=json-v1 -L 'unitaire|widgets' |
    python3 -c '
import json, sys
vus = []
for t in json.load(sys.stdin)["tests"]:
    c = t.get("command", [""])[0]
    if c and c not in vus:
        vus.append(c)
print("\n".join(vus))')

if [ "${#binaires[@]}" -eq 0 ]; then
    echo "binaires_entiers : aucun programme de tests dans $construction" >&2
    exit 1
fi
echec=0
for b in "${binaires[@]}"; do
    if ! QT_QPA_PLATFORM=offscreen timeout 600 "$b" --gtest_shuffle --gtest_repeat="$repetitions" \
        --gtest_brief=1 >"$construction/$(basename "$b").entier.log" 2>&1; then
        echo "binaires_entiers : $(basename "$b") échoue d'un seul tenant (voir $construction/$(basename "$b").entier.log)" >&2
        grep -E '^\[  FAILED  \]|random_seed|Random seed' "$construction/$(basename "$b").entier.log" | head -20 >&2
        echec=1
    else
        echo "binaires_entiers : $(basename "$b") passe d'un seul tenant, ordre au hasard ($repetitions fois)"
    fi
done
exit "$echec"
