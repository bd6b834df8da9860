# Outils communs des bancs du programme entier (cout_programme.sh,
# premiere_peinture.sh) : écran privé, réglages de Pulsodex, lancement
# chronométré, guet des fenêtres, arrêt, médiane.
# shellcheck shell=bash

# L'écran privé et son nettoyage à la sortie : ceux des tests de bout en bout.
# shellcheck source=tests/e2e/commun.sh
source tests/e2e/commun.sh "$PULSODEX"

# Réglages de Pulsodex pour les bancs, dans DOSSIER : la configuration par
# défaut, premier lancement déjà répondu, bandes du processeur affichées ; le
# dossier du programme y est aussi. Exporte PULSODEX_CONFIG et PULSODEX_REPERTOIRE.
reglages_pulsodex() {
    mkdir -p "$1/programme"
    printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n[1280x1024]\nChargeProcesseur=Oui\nMoyenneChargeProcesseur=Oui\n' \
        >"$1/Pulsodex.conf"
    export PULSODEX_CONFIG="$1/Pulsodex.conf" PULSODEX_REPERTOIRE="$1/programme"
}

# La grande configuration, dans DOSSIER : celle de reglages_pulsodex, plus la
# moyenne du processeur sur 60 minutes, les lecteurs C à J (C sur /, lu dans
# le tic ; D à J sur sept dossiers de LECTEURS, qui passent par le releveur),
# leur total, 200 règles d'avertissement sur ces lecteurs, dont aucune ne
# sonne (moins de 1 % ou de 1 Mo libre), et 200 événements de l'agenda, dont
# aucun ne tombe pendant le banc (chaque jour, douze heures plus tard).
reglages_grande() {
    local dossier=$1 lecteurs=$2 lettres=CDEFGHIJ heure i l
    mkdir -p "$dossier/programme"
    heure=$(((10#$(date +%H) + 12) % 24))
    {
        printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n'
        printf 'NombreAvertissements=200\nNombreEvenement=200\n\n[1280x1024]\n'
        printf 'ChargeProcesseur=Oui\nMoyenneChargeProcesseur=Oui\nTempsMoyenneChargeProcesseur=60\n'
        printf 'ListeDisques=%s\nTotalDisque=Oui\n\n[Lecteurs]\nC=/\n' "$lettres"
        for l in D E F G H I J; do
            mkdir -p "$lecteurs/$l"
            printf '%s=%s\n' "$l" "$lecteurs/$l"
        done
        printf '\n[Avertissement]\n'
        for ((i = 0; i < 200; i++)); do
            printf '%d\\Ressource=Disque\n%d\\Disque=%s\n' "$i" "$i" "${lettres:i%8:1}"
            if ((i % 2)); then
                printf '%d\\Unit%%E9=Mo\n%d\\Seuil=1\n' "$i" "$i"
            else
                printf '%d\\Unit%%E9=1\n%d\\Seuil=1\n' "$i" "$i" # 1 : pour cent
            fi
        done
        printf '\n[Evenement]\n'
        for ((i = 0; i < 200; i++)); do
            printf '%d\\Actif=Oui\n%d\\Type=1\n%d\\Jour=0\n%d\\Mois=0\n' "$i" "$i" "$i" "$i"
            printf '%d\\Heure=%02d:%02d\n%d\\Message=Rappel %d\n' "$i" "$heure" "$((i % 60))" "$i" "$i"
        done
    } >"$dossier/Pulsodex.conf"
}

# Le serveur de Pulsodex écoute sur 1109 : pris par un autre (un test de bout
# en bout qui tourne), Pulsodex tourne sans lui, avec un fil de moins.
avertir_port_pris() {
    if awk 'NR > 1 && $2 ~ /:0455$/ && $4 == "0A" { pris = 1 } END { exit !pris }' \
        /proc/net/tcp /proc/net/tcp6 2>/dev/null; then
        echo "attention : le port 1109 est déjà pris, Pulsodex tourne sans son serveur (un fil de moins)" >&2
    fi
}

# Guet des fenêtres : chaque fenêtre de premier niveau montrée sur l'écran
# privé (MapNotify sur la racine, vu par xev) est notée avec l'instant de son
# arrivée (secondes depuis l'époque, à la microseconde, avec un point
# décimal même si la langue veut une virgule). Un seul programme tourne à la fois sur cet écran : la première
# fenêtre montrée après son lancement est la sienne. Sans xev (paquet
# x11-utils), le délai de la première fenêtre n'est pas mesuré.
GUET=
demarrer_guet() {
    command -v xev >/dev/null 2>&1 || {
        echo "xev absent (paquet x11-utils) : délai de la première fenêtre non mesuré" >&2
        return 0
    }
    GUET="$TEMP_E2E/fenetres"
    : >"$GUET"
    # xev vide sa sortie à chaque événement ; il s'arrête avec l'écran.
    xev -root -event substructure -event property 2>/dev/null | while IFS= read -r ligne; do
        case $ligne in
        MapNotify*) echo "fenetre ${EPOCHREALTIME/,/.}" ;;
        PropertyNotify*) echo pret ;;
        esac
    done >>"$GUET" &
    # Prêt quand il voit une propriété changer sur la racine.
    local fin=$((SECONDS + 10))
    while ! grep -q '^pret' "$GUET"; do
        [ $SECONDS -lt $fin ] || { echo "xev ne répond pas : délai de la première fenêtre non mesuré" >&2; GUET=; return 0; }
        xprop -root -f _PULSODEX_BANC 8s -set _PULSODEX_BANC 1 2>/dev/null
        sleep 0.05
    done
}

fenetres_vues() {
    if [ -n "$GUET" ]; then
        grep -c '^fenetre' "$GUET" || true
    else
        echo 0
    fi
}

# lancer SORTIE [NOM=VALEUR...] COMMANDE... : lance la commande en tâche de
# fond (PROGRAMME_PID), avec ces variables d'environnement, sa sortie dans
# SORTIE ; sans « env » intermédiaire, qui compterait dans le démarrage. L'instant du lancement est pris dans le processus
# même, juste avant exec : il est exporté dans PULSODEX_CHRONO (que Pulsodex
# lit, voir le README) et gardé dans LANCEMENT ; FENETRES_AVANT compte les
# fenêtres déjà vues.
lancer() {
    local sortie=$1
    shift
    FENETRES_AVANT=$(fenetres_vues)
    rm -f "$sortie.lancement"
    (
        while [[ $1 == [A-Za-z_]*=* ]]; do
            export "${1?}"
            shift
        done
        PULSODEX_CHRONO=${EPOCHREALTIME/,/.}
        export PULSODEX_CHRONO
        echo "$PULSODEX_CHRONO" >"$sortie.lancement"
        exec "$@"
    ) >"$sortie" 2>&1 &
    PROGRAMME_PID=$!
    local fin=$((SECONDS + 5))
    until [ -s "$sortie.lancement" ] || [ $SECONDS -ge $fin ]; do sleep 0.01; done
    LANCEMENT=$(cat "$sortie.lancement")
}

# Millisecondes du lancement à la première fenêtre montrée après lui, « - »
# sans guet ou sans fenêtre en 30 s.
delai_premiere_fenetre() {
    [ -n "$GUET" ] || { echo "-"; return 0; }
    local fin=$((SECONDS + 30)) instant
    while [ $SECONDS -lt $fin ]; do
        instant=$(awk -v n="$((FENETRES_AVANT + 1))" '/^fenetre/ && ++vu == n { print $2; exit }' "$GUET")
        if [ -n "$instant" ]; then
            awk -v a="$LANCEMENT" -v b="$instant" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
            return 0
        fi
        kill -0 "$PROGRAMME_PID" 2>/dev/null || break
        sleep 0.02
    done
    echo "-"
}

# Arrête un processus lancé ici : TERM, puis KILL s'il traîne plus de 10 s.
arreter() {
    kill "$1" 2>/dev/null || return 0
    local fin=$((SECONDS + 10))
    while kill -0 "$1" 2>/dev/null && [ $SECONDS -lt $fin ]; do
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Médiane des nombres lus sur l'entrée, un par ligne, au format donné (%.1f par défaut).
mediane() {
    sort -g | awk -v f="${1:-%.1f}\n" '{ v[NR] = $1 } END { if (NR) printf f, NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
