#!/usr/bin/env bash
# Sous un compositeur Wayland sans écran (weston) avec XWayland : sans
# QT_QPA_PLATFORM, le programme prend XWayland (sa fenêtre est sur l'écran X
# de weston, il ne dit rien de Wayland), y demande sa position gardée et tourne
# (le marqueur de sortie, lu au tic, le ferme). Avec QT_QPA_PLATFORM=wayland :
# il démarre, dit une fois ce que Wayland interdit, tourne, se ferme proprement
# et ne perd pas la position gardée.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
exiger Xwayland xdotool
demarrer_weston --xwayland

mkdir -p "$TEMP_E2E/programme"
reglages_de_base '[1280x1024]' 'DecalageGauche=300' 'DecalageHaut=200' 'Rafraichissement=200'
erreurs="$TEMP_E2E/erreurs"
marqueur="$TEMP_E2E/programme/Pulsodex.quit"
quitter_par_le_marqueur() {
    touch "$marqueur"
    attendre_fin 10 || exit 1
    PROGRAMME_PID=
    [ ! -e "$marqueur" ] || { echo "le marqueur est resté"; exit 1; }
}

# Une session Wayland de KDE, où Qt prend Wayland de lui-même.
unset QT_QPA_PLATFORM
export DISPLAY=$X_WESTON XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
lancer_pulsodex 2>"$erreurs"
attendre 15 fenetre_presente "Pulsodex XP" || { cat "$erreurs"; exit 1; }
if grep -q Wayland "$erreurs"; then
    echo "le programme n'a pas pris XWayland"
    cat "$erreurs"
    exit 1
fi
# Le gestionnaire de fenêtres de weston 10 ne place pas lui-même les fenêtres
# X à la position qu'elles demandent : on vérifie la demande.
id=$(fenetre "Pulsodex XP")
demande_position() { grep -q "CONFIGURE_REQUEST (window $id) 300,200 @" "$JOURNAL_WESTON"; }
attendre 5 demande_position || { echo "position gardée non demandée"; grep "window $id" "$JOURNAL_WESTON"; exit 1; }
quitter_par_le_marqueur

# Wayland seul, par le choix de l'utilisateur.
reglages_de_base '[1280x1024]' 'DecalageGauche=300' 'DecalageHaut=200' 'Rafraichissement=200'
QT_QPA_PLATFORM=wayland lancer_pulsodex 2>"$erreurs"
avis_donne() { grep -q "^pulsodex : sous Wayland, la barre ne peut ni reprendre sa position gardée" "$erreurs"; }
attendre 15 avis_donne || { cat "$erreurs"; exit 1; }
quitter_par_le_marqueur
[ "$(grep -c "^pulsodex : sous Wayland" "$erreurs")" -eq 1 ] || { echo "avis répété"; cat "$erreurs"; exit 1; }
grep -qx "DecalageGauche=300" "$PULSODEX_CONFIG" || { echo "position gardée perdue"; cat "$PULSODEX_CONFIG"; exit 1; }
grep -qx "DecalageHaut=200" "$PULSODEX_CONFIG" || { echo "position gardée perdue"; cat "$PULSODEX_CONFIG"; exit 1; }
echo "ok"
