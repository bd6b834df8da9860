#!/usr/bin/env bash
# Aucune boîte n'arrête le tableau de bord : sous une fenêtre d'alarme ouverte
# par un tic tardif et sous un message de l'agenda ouvert par l'horloge, les
# jauges et l'horloge avancent encore, et le marqueur « Pulsodex.quit » ferme
# le programme et ses boîtes.
source "$(dirname "$0")/commun.sh"
exiger xwd
demarrer_xvfb

# Une règle sur un petit disque en mémoire, qui se remplit après le départ :
# l'alarme vient d'un tic du minuteur. Sans horloge, seules les jauges de la
# mémoire changent l'image.
if [ "$(id -u)" -eq 0 ] && mkdir -p "$TEMP_E2E/petit" && mount -t tmpfs -o size=4m tmpfs "$TEMP_E2E/petit"; then
    trap 'umount "$TEMP_E2E/petit" 2>/dev/null; nettoyer' EXIT
    reglages_de_base 'NombreAvertissements=1' '[1280x1024]' 'Date=Non' 'Heure=Non' 'ListeDisques=D' \
        'Rafraichissement=500' 'RepeterAvertir=-1' 'Sons=Non' '[Lecteurs]' "D=$TEMP_E2E/petit" \
        '[Avertissement]' '0\Ressource=Disque' '0\Disque=D' '0\Unit%E9=Mo' '0\Seuil=2'
    lancer_barre
    sleep 1
    fenetre_absente "Alarme Pulsodex" || echec "alarme avant le remplissage"
    dd if=/dev/zero of="$TEMP_E2E/petit/plein" bs=1M count=3 status=none
    attendre 10 fenetre_presente "Alarme Pulsodex" || exit 1
    rangees_changent 0 200 || exit 1
    quitter_par_le_marqueur
    umount "$TEMP_E2E/petit"
else
    echo "sans montage tmpfs (root requis) : l'alarme tardive n'est pas essayée"
fi

# Deux messages au lancement : le premier s'ouvre à la construction ; fermé,
# le second vient d'un tic de l'horloge, dont la bande (en haut) avance dessous.
reglages_de_base 'NombreEvenement=2' '[1280x1024]' 'Date=Non' 'ChaineHeure=hh:nn:ss' \
    'ModeRafraichissementHorloge=Seconde' 'MemPhysique=Non' 'MemoryLoad=Non' 'ListeDisques=' \
    'Rafraichissement=500' 'Sons=Non' '[Evenement]' '0\Actif=Oui' '0\Type=1' '0\Message=Premier' \
    '1\Actif=Oui' '1\Type=1' '1\Message=Second'
lancer_barre
attendre 10 fenetre_presente "Evénement Pulsodex" || exit 1
premier=$(fenetre "Evénement Pulsodex")
xdotool windowactivate --sync "$premier" key Return
# Le second est une autre fenêtre que le premier.
second() { local f; f=$(fenetre "Evénement Pulsodex"); [ -n "$f" ] && [ "$f" != "$premier" ]; }
attendre 10 second || echec "le second message n'est pas venu"
rangees_changent 2 12 || exit 1
quitter_par_le_marqueur
echo "ok"
