#!/usr/bin/env bash
# Les écrans. Deux côte à côte (1280x1024 chacun, le second à x 1280) : la
# barre gardée à gauche 1600, sur le second, y revient et y est gardée ; la
# section des réglages reste la taille de l'écran principal ; le second
# débranché, la barre revient sur celui qui reste. Puis la boîte de changement
# de résolution, sur un écran imbriqué que xrandr redimensionne : une seule,
# qui suit un second changement, se ferme comme « &Annuler » au retour de la
# taille ; « &Annuler » ne ferme pas le programme ; rien n'est gardé pour les
# autres tailles.
source "$(dirname "$0")/commun.sh"
exiger xrandr
# Un Xvfb de 2560x1024 découpé en deux moniteurs RandR, comme le montre un
# bureau X11 à deux écrans (Qt 6 lit les moniteurs RandR, pas Xinerama).
demarrer_x Xvfb 2560x1024
xrandr --setmonitor Gauche 1280/338x1024/270+0+0 screen >/dev/null || exit 1
xrandr --setmonitor Droite 1280/338x1024/270+1280+0 none >/dev/null || exit 1
demarrer_bureau

reglages_de_base '[1280x1024]' 'DecalageGauche=1600' 'DecalageHaut=100' 'Rafraichissement=500'
lancer_barre
attendre 5 barre_a "Position: 1600,100" || { xdotool getwindowgeometry "$BARRE"; exit 1; }
arreter_programme TERM || exit 1
reglages_contiennent DecalageGauche=1600
grep -q '^\[2560x1024\]' "$PULSODEX_CONFIG" && echec "section nommée d'après le bureau entier"
xrandr --delmonitor Droite >/dev/null || exit 1
lancer_barre
attendre 5 barre_a "Position: 1100,100" || { xdotool getwindowgeometry "$BARRE"; exit 1; }
arreter_programme TERM || exit 1

# L'écran extérieur est nu : un gestionnaire de fenêtres y rognerait la fenêtre
# de Xephyr, dont l'écran prendrait cette taille.
demarrer_x Xvfb
demarrer_x Xephyr
xrandr -s 1280x1024 2>/dev/null
demarrer_bureau
lancer_barre
boites() { [ "$(fenetres_nommees "Changement de résolution")" -eq "$1" ]; }
xrandr -s 1024x768 2>/dev/null
attendre 10 boites 1 || exit 1
xrandr -s 1152x864 2>/dev/null
sleep 1.5
boites 1 || echec "plus d'une boîte"
xrandr -s 1280x1024 2>/dev/null
attendre 10 boites 0 || echec "boîte restée au retour"
xrandr -s 1024x768 2>/dev/null
attendre 10 boites 1 || exit 1
xdotool windowactivate --sync "$(fenetre "Changement de résolution")" key Escape
attendre 10 boites 0 || echec "« &Annuler » sans effet"
sleep 1
kill -0 "$PROGRAMME_PID" || echec "« &Annuler » a fermé le programme"
xrandr -s 1152x864 2>/dev/null
attendre 10 boites 1 || exit 1
quitter_par_le_marqueur
grep -E '^\[(1024x768|1152x864)\]' "$PULSODEX_CONFIG" && echec "une configuration a été gardée pour une autre taille"
echo "ok"
