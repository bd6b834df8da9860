#!/usr/bin/env bash
# Deux écrans côte à côte (1280x1024 chacun, le second à x 1280) : la barre
# gardée à gauche 1600, sur le second, y revient et y est gardée ; la section
# des réglages reste la taille de l'écran principal. Écran débranché : la
# barre revient sur l'écran qui reste.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
exiger xrandr
# Un Xvfb de 2560x1024 découpé en deux moniteurs RandR, comme le montre un
# bureau X11 à deux écrans (Qt 6 lit les moniteurs RandR, pas Xinerama).
demarrer_xvfb_nu 2560x1024
xrandr --setmonitor Gauche 1280/338x1024/270+0+0 screen >/dev/null || exit 1
xrandr --setmonitor Droite 1280/338x1024/270+1280+0 none >/dev/null || exit 1
demarrer_bureau

mkdir -p "$TEMP_E2E/programme"
reglages_de_base '[1280x1024]' 'DecalageGauche=1600' 'DecalageHaut=100'
position_vaut() { xdotool getwindowgeometry "$1" | grep -q "Position: $2"; }

lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")
attendre 5 position_vaut "$id" 1600,100 || { xdotool getwindowgeometry "$id"; exit 1; }
arreter_programme TERM || exit 1
grep -qx "DecalageGauche=1600" "$PULSODEX_CONFIG" || { cat "$PULSODEX_CONFIG"; exit 1; }
if grep -q '^\[2560x1024\]' "$PULSODEX_CONFIG"; then
    echo "section nommée d'après le bureau entier"
    exit 1
fi

# Le second écran débranché : la barre revient au bord droit du premier.
xrandr --delmonitor Droite >/dev/null || exit 1
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")
largeur=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
attendre 5 position_vaut "$id" "$((1280 - largeur)),100" || { xdotool getwindowgeometry "$id"; exit 1; }
arreter_programme TERM || exit 1
echo "ok"
