#!/usr/bin/env bash
# Sous un compositeur Wayland sans écran (weston) avec XWayland : sans
# QT_QPA_PLATFORM, le programme prend XWayland (sa fenêtre est sur l'écran X
# de weston, il ne dit rien de Wayland), y demande sa position gardée et tourne
# (le marqueur de sortie, lu au tic, le ferme). Avec QT_QPA_PLATFORM=wayland :
# il démarre, dit une fois ce que Wayland interdit, tourne, se ferme proprement
# et ne perd pas la position gardée.
source "$(dirname "$0")/commun.sh"
demarrer_weston
erreurs="$TEMP_E2E/erreurs"

# Une session Wayland de KDE, où Qt prend Wayland de lui-même.
reglages_de_base '[1280x1024]' 'DecalageGauche=300' 'DecalageHaut=200' 'Rafraichissement=200'
unset QT_QPA_PLATFORM
export DISPLAY=$X_WESTON XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE
lancer_barre 2>"$erreurs"
grep Wayland "$erreurs" && echec "le programme n'a pas pris XWayland"
# Le gestionnaire de fenêtres de weston 10 ne place pas lui-même les fenêtres
# X à la position qu'elles demandent : on vérifie la demande.
attendre 5 grep -q "CONFIGURE_REQUEST (window $BARRE) 300,200 @" "$JOURNAL_WESTON" ||
    { grep "window $BARRE" "$JOURNAL_WESTON"; echec "position gardée non demandée"; }
quitter_par_le_marqueur

# Wayland seul, par le choix de l'utilisateur.
reglages_de_base '[1280x1024]' 'DecalageGauche=300' 'DecalageHaut=200' 'Rafraichissement=200'
QT_QPA_PLATFORM=wayland lancer_pulsodex 2>"$erreurs"
attendre 15 grep -q "^pulsodex : sous Wayland, la barre ne peut ni reprendre sa position gardée" "$erreurs" ||
    { cat "$erreurs"; exit 1; }
quitter_par_le_marqueur
[ "$(grep -c "^pulsodex : sous Wayland" "$erreurs")" -eq 1 ] || { cat "$erreurs"; echec "avis répété"; }
reglages_contiennent DecalageGauche=300 DecalageHaut=200
echo "ok"
