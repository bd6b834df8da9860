#!/usr/bin/env bash
# PULSODEX_CHRONO : le vrai programme écrit une fois, sur sa sortie d'erreur,
# le délai de sa première peinture des valeurs relevées ; un instant illisible
# est signalé et ignoré.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

mkdir -p "$TEMP_E2E/programme"
reglages_de_base
erreurs="$TEMP_E2E/erreurs"
ligne='^pulsodex : première peinture des valeurs relevées à [0-9]+\.[0-9] ms du lancement$'

PULSODEX_CHRONO=${EPOCHREALTIME/,/.} lancer_pulsodex 2>"$erreurs"
attendre 15 grep -Eq "$ligne" "$erreurs" || { cat "$erreurs"; exit 1; }
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
arreter_programme TERM || exit 1
[ "$(grep -Ec "$ligne" "$erreurs")" -eq 1 ] || { echo "délai écrit plus d'une fois"; cat "$erreurs"; exit 1; }

PULSODEX_CHRONO=hier lancer_pulsodex 2>"$erreurs"
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
arreter_programme TERM || exit 1
grep -qx "pulsodex : PULSODEX_CHRONO illisible « hier », ignoré" "$erreurs" || { cat "$erreurs"; exit 1; }
if grep -q "première peinture" "$erreurs"; then
    echo "délai écrit sans instant de lancement"
    exit 1
fi
echo "ok"
