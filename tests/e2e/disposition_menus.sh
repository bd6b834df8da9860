#!/usr/bin/env bash
# Les bandes mises en ligne par le menu (touche « o », « Réorganisation
# ma&nuelle », « en &Ligne ») reviennent ainsi au lancement suivant.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

reglages_de_base
hauteur() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }
hauteur_vaut() { [ "$(hauteur "$1")" = "$2" ]; }

lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")
# Disposition avancée par défaut : quatre bandes et le lecteur C, chacun sur sa rangée.
attendre 5 hauteur_vaut "$id" 104 || { echo "hauteur $(hauteur "$id")"; exit 1; }
xdotool windowfocus --sync "$id"
n=$(fenetres_du_programme)
xdotool key o
attendre 5 fenetres_au_moins $((n + 1)) || exit 1
xdotool key n
attendre 5 fenetres_au_moins $((n + 2)) || exit 1
xdotool key l
attendre 5 hauteur_vaut "$id" 24 || { echo "hauteur après le menu : $(hauteur "$id")"; exit 1; }
arreter_programme TERM || exit 1
grep -qx "Organisation=Manuelle" "$PULSODEX_CONFIG" || { cat "$PULSODEX_CONFIG"; exit 1; }

lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")
attendre 5 hauteur_vaut "$id" 24 || { echo "hauteur au retour : $(hauteur "$id")"; exit 1; }
arreter_programme TERM || exit 1
echo "ok"
