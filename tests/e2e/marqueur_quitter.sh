#!/usr/bin/env bash
# Le marqueur « Pulsodex.quit » déposé dans le dossier du programme le ferme
# en deux tics au plus, et il a disparu ensuite.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

mkdir -p "$TEMP_E2E/programme"
reglages_de_base '[1280x1024]' 'Rafraichissement=500'
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1

touch "$PULSODEX_REPERTOIRE/Pulsodex.quit"
# Deux tics de 500 ms, et de la marge pour une machine chargée.
attendre_fin 10
code=$?
PROGRAMME_PID=
[ $code -eq 0 ] || { echo "code de sortie $code"; exit 1; }
[ ! -e "$PULSODEX_REPERTOIRE/Pulsodex.quit" ] || { echo "le marqueur est resté"; exit 1; }
grep -qx "DecalageHaut=0" "$PULSODEX_CONFIG" || { echo "position non gardée"; exit 1; }
echo "ok"
