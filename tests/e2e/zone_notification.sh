#!/usr/bin/env bash
# La zone de notification du bureau des utilisateurs, et un seul Pulsodex par
# fichier de réglages. Démarré masqué, il s'y range ; un second lancement pour
# les mêmes réglages le fait revenir et finit avec le code 0 ; d'autres réglages
# lancent un autre Pulsodex ; --version et --capture tournent à part ; arrêté
# brutalement (verrou et prise restés), il ne bloque pas le suivant. La barre
# est « au dessus » pour le gestionnaire de fenêtres ; un clic (du milieu : le
# gauche commence un déplacement) lui donne le clavier, « q » ouvre « Quitter
# Pulsodex » au centre de l'écran ; « &Masquer » la range ; un clic sur son
# icône la fait revenir, active ; « &Quitter » la ferme.
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

reglages_de_base '[1280x1024]' 'Demarrage=Masqué' 'AuDessus=Oui'
barres_vaut() { [ "$(fenetres_nommees "Pulsodex XP")" -eq "$1" ]; }
rangee() { icone_de "$PROGRAMME_PID" >/dev/null && barres_vaut 0; }
second_lancement() {
    timeout 15 "$PULSODEX" "$@" >"$TEMP_E2E/second" 2>&1 || { cat "$TEMP_E2E/second"; echec "second lancement $*"; }
}
au_dessus() { xprop -id "$BARRE" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
active_est() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Centre de la fenêtre $1 : « x y ».
centre() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
}
# Rangé dans la zone de notification, le programme revient au second lancement.
revient() {
    attendre 15 rangee || echec "pas rangé dans la zone de notification ($1)"
    second_lancement
    attendre 5 barres_vaut 1 || echec "pas revenu ($1)"
    BARRE=$(fenetre "Pulsodex XP")
    attendre 5 au_dessus || echec "pas au-dessus ($1)"
}
# La boîte de sortie : active, au centre de l'écran 1280x1024 (à la barre de
# titre près, que le gestionnaire ajoute au-dessus).
ouvrir_quitter() {
    xdotool mousemove --sync 90 10 click 2
    attendre 5 active_est "$BARRE" || echec "la barre n'a pas le clavier après un clic"
    xdotool key q
    attendre 5 fenetre_presente "Quitter Pulsodex" || exit 1
    attendre 5 active_est "$(fenetre "Quitter Pulsodex")" || echec "la boîte de sortie n'a pas le clavier"
    read -r cx cy <<<"$(centre "$(fenetre "Quitter Pulsodex")")"
    ((cx >= 638 && cx <= 642 && cy >= 482 && cy <= 542)) || echec "boîte de sortie centrée en $cx,$cy"
}

lancer_pulsodex
revient "au départ"
ouvrir_quitter
xdotool key Return
attendre 5 rangee || exit 1
read -r ix iy <<<"$(centre "$(icone_de "$PROGRAMME_PID")")"
xdotool mousemove --sync "$ix" "$iy" click 1
attendre 5 barres_vaut 1 || echec "le clic sur l'icône ne ramène pas la barre"
attendre 5 active_est "$BARRE" || echec "la barre revenue n'est pas active"
icone_de "$PROGRAMME_PID" >/dev/null && echec "l'icône est restée dans la zone de notification"
attendre 5 au_dessus || echec "la barre revenue n'est plus au-dessus"

printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n' >"$TEMP_E2E/Autre.conf"
PULSODEX_CONFIG="$TEMP_E2E/Autre.conf" "$PULSODEX" &
PIDS_E2E+=($!)
attendre 15 barres_vaut 2 || echec "d'autres réglages ne lancent pas un autre Pulsodex"
arreter_pid "${PIDS_E2E[-1]}"
second_lancement --version
grep -q "^Pulsodex XP" "$TEMP_E2E/second" || { cat "$TEMP_E2E/second"; exit 1; }
second_lancement --capture "$TEMP_E2E/capture.png"
[ -s "$TEMP_E2E/capture.png" ] || echec "pas de capture"

kill -KILL "$PROGRAMME_PID"
wait "$PROGRAMME_PID" 2>/dev/null
lancer_pulsodex
revient "après un arrêt brutal"
ouvrir_quitter
xdotool key alt+q
attendre_fin 10 || exit 1
echo "ok"
