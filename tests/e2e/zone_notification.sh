#!/usr/bin/env bash
# Sur le bureau des utilisateurs (openbox, trayer, français), vu comme eux le
# voient : la barre « au dessus » pour le gestionnaire de fenêtres ; un clic
# (du milieu : le gauche commence un déplacement) lui donne le clavier, « q » ouvre « Quitter Pulsodex » au centre de l'écran ;
# « &Masquer » (Entrée) la range dans la zone de notification ; un clic sur
# son icône la fait revenir, active ; « &Quitter » la ferme.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

mkdir -p "$TEMP_E2E/programme"
reglages_de_base '[1280x1024]' 'AuDessus=Oui'
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
id=$(fenetre "Pulsodex XP")

au_dessus() { xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
attendre 5 au_dessus || { xprop -id "$id" _NET_WM_STATE; exit 1; }

active_est() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
fenetre_absente() { ! fenetre_presente "$1"; }
# Centre de la fenêtre $1 : « x y ».
centre() {
    xdotool getwindowgeometry "$1" |
        sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
        tr '\n' ' ' | awk '{ print int($1 + $3 / 2), int($2 + $4 / 2) }'
}

# La boîte de sortie : active, au centre de l'écran 1280x1024 (à la barre de
# titre près, que le gestionnaire ajoute au-dessus).
ouvrir_quitter() {
    xdotool mousemove --sync 90 10 click 2
    attendre 5 active_est "$id" || { echo "la barre n'a pas le clavier après un clic"; exit 1; }
    xdotool key q
    attendre 5 fenetre_presente "Quitter Pulsodex" || exit 1
    boite=$(fenetre "Quitter Pulsodex")
    attendre 5 active_est "$boite" || { echo "la boîte de sortie n'a pas le clavier"; exit 1; }
    read -r cx cy <<<"$(centre "$boite")"
    if [ $((cx - 640)) -gt 2 ] || [ $((640 - cx)) -gt 2 ] || [ $((cy - 512)) -gt 30 ] || [ $((512 - cy)) -gt 30 ]; then
        echo "boîte de sortie centrée en $cx,$cy et non au centre de l'écran"
        exit 1
    fi
}

ouvrir_quitter
xdotool key Return
attendre 5 fenetre_absente "Pulsodex XP" || exit 1

attendre 5 icone_de "$PROGRAMME_PID" || { echo "pas d'icône dans la zone de notification"; exit 1; }
icone=$(icone_de "$PROGRAMME_PID")
read -r ix iy <<<"$(centre "$icone")"
xdotool mousemove --sync "$ix" "$iy" click 1
attendre 5 fenetre_presente "Pulsodex XP" || { echo "le clic sur l'icône ne ramène pas la barre"; exit 1; }
attendre 5 active_est "$id" || { echo "la barre revenue n'est pas active"; exit 1; }
if icone_de "$PROGRAMME_PID" >/dev/null; then
    echo "l'icône est restée dans la zone de notification"
    exit 1
fi
attendre 5 au_dessus || { echo "la barre revenue n'est plus au-dessus"; exit 1; }

ouvrir_quitter
xdotool key alt+q
attendre_fin 10 || exit 1
PROGRAMME_PID=
echo "ok"
