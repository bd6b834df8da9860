#!/usr/bin/env bash
# La barre se déplace en la glissant et s'élargit par son bord droit ; la
# position et la largeur sont gardées à la fermeture.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

mkdir -p "$TEMP_E2E"
reglages_de_base
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")

# Glisser du milieu de la barre : déplacement de (+200, +100).
xdotool mousemove --sync 90 10 mousedown 1
xdotool mousemove --sync 190 60
xdotool mousemove --sync 290 110 mouseup 1
geometrie() {
    xdotool getwindowgeometry "$id"
    xdotool getmouselocation
}
attendre 5 bash -c "xdotool getwindowgeometry $id | grep -q 'Position: 200,100'" || { geometrie; exit 1; }

# Glisser le bord droit (les 4 derniers pixels) : +60 pixels de large.
xdotool mousemove --sync 378 110 mousedown 1
xdotool mousemove --sync 408 110
xdotool mousemove --sync 438 110 mouseup 1
attendre 5 bash -c "xdotool getwindowgeometry $id | grep -q 'Geometry: 240x'" || { geometrie; exit 1; }

arreter_programme TERM || exit 1
grep -qx "DecalageGauche=200" "$PULSODEX_CONFIG" || { cat "$PULSODEX_CONFIG"; exit 1; }
grep -qx "DecalageHaut=100" "$PULSODEX_CONFIG" || exit 1
grep -qx "Longueur=240" "$PULSODEX_CONFIG" || exit 1
echo "ok"
