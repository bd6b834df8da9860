#!/usr/bin/env bash
# Lancements successifs sur le bureau des utilisateurs : la question de mise à
# jour au premier seulement ; la barre glissée, élargie, mise en ligne par le
# menu, le reste au lancement suivant ; SIGTERM, le marqueur « Pulsodex.quit »
# et SIGINT ferment par le chemin normal, qui enregistre ; PULSODEX_CHRONO fait
# écrire une fois le délai de la première peinture, ou est signalé illisible.
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP V1.0 Béta 2" || exit 1
question=$(fenetre "Pulsodex XP V1.0 Béta 2")
xdotool windowfocus --sync "$question" key --window "$question" n
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
arreter_programme TERM || exit 1
reglages_contiennent "Version=1.0 Béta 2" TestMiseAJour=Non "[1280x1024]" DecalageHaut=0 DecalageGauche=0 Longueur=180

# Plus de question. Glisser du milieu de la barre : (+200, +100) ; son bord
# droit (les 4 derniers pixels) : +60 pixels de large.
erreurs="$TEMP_E2E/erreurs"
ligne='^pulsodex : première peinture des valeurs relevées à [0-9]+\.[0-9] ms du lancement$'
PULSODEX_CHRONO=${EPOCHREALTIME/,/.} lancer_barre 2>"$erreurs"
fenetre_presente "Pulsodex XP V1.0 Béta 2" && echec "la question est reposée"
attendre 15 grep -Eq "$ligne" "$erreurs" || { cat "$erreurs"; exit 1; }
# glisser X Y DX DY : bouton gauche enfoncé en (X, Y), relâché en (X+DX, Y+DY).
glisser() {
    xdotool mousemove --sync "$1" "$2" mousedown 1
    xdotool mousemove --sync $(($1 + $3 / 2)) $(($2 + $4 / 2))
    xdotool mousemove --sync $(($1 + $3)) $(($2 + $4)) mouseup 1
}
glisser 90 10 200 100
attendre 5 barre_a 'Position: 200,100' || { xdotool getwindowgeometry "$BARRE"; exit 1; }
glisser 378 110 60 0
attendre 5 barre_a 'Geometry: 240x' || { xdotool getwindowgeometry "$BARRE"; exit 1; }
quitter_par_le_marqueur
[ "$(grep -Ec "$ligne" "$erreurs")" -eq 1 ] || { cat "$erreurs"; echec "délai écrit plus d'une fois"; }
reglages_contiennent DecalageGauche=200 DecalageHaut=100 Longueur=240

# Disposition avancée par défaut : quatre bandes et le lecteur C, chacun sur sa
# rangée ; « o », « Réorganisation ma&nuelle », « en &Ligne » les met en ligne.
PULSODEX_CHRONO=hier lancer_barre 2>"$erreurs"
attendre 5 barre_a 'x104$' || { xdotool getwindowgeometry "$BARRE"; exit 1; }
xdotool windowfocus --sync "$BARRE"
visibles() { xdotool search --onlyvisible --pid "$PROGRAMME_PID" | wc -l; }
for touche in o n; do
    n=$(visibles)
    xdotool key $touche
    attendre 5 eval '[ "$(visibles)" -gt $n ]' || echec "pas de menu après « $touche »"
done
xdotool key l
attendre 5 barre_a 'x24$' || { xdotool getwindowgeometry "$BARRE"; exit 1; }
arreter_programme INT || exit 1
grep -qx "pulsodex : PULSODEX_CHRONO illisible « hier », ignoré" "$erreurs" || { cat "$erreurs"; exit 1; }
grep -q "première peinture" "$erreurs" && echec "délai écrit sans instant de lancement"
reglages_contiennent Organisation=Manuelle

lancer_barre
attendre 5 barre_a 'x24$' || echec "hauteur au retour : $(xdotool getwindowgeometry "$BARRE")"
arreter_programme TERM || exit 1
echo "ok"
