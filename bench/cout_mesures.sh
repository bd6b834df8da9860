#!/usr/bin/env bash
# Ce que coûte la page des mesures quand personne ne la lit : Pulsodex tourne
# DUREE secondes (60 par défaut) sans la page, puis avec elle (boucle locale,
# un port libre), sur le même Xvfb privé, rafraîchi chaque seconde. Après les
# 10 premières secondes, pour chaque fil : temps processeur (schedstat, à la
# nanoseconde), réveils (changements de contexte volontaires) et préemptions
# (forcés, qui suivent la charge de la machine). Avec la page, un fil de
# plus, le sien, qui dort dans poll : zéro réveil tant que personne ne lit.
# À la fin, une lecture de la page vérifie qu'elle était bien là.
#
#   bench/cout_mesures.sh [DUREE_S] [DOSSIER_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."

DUREE=${1:-60}
BUILD=${2:-build}
CHAUFFE=10
PULSODEX="$BUILD/pulsodex"
[ "$DUREE" -gt "$CHAUFFE" ] 2>/dev/null || { echo "durée en secondes, plus de $CHAUFFE" >&2; exit 2; }
[ -x "$PULSODEX" ] || { echo "absent : $PULSODEX (cmake --build --preset ci)" >&2; exit 2; }
# shellcheck source=bench/commun_banc.sh
source bench/commun_banc.sh
demarrer_x Xvfb
TEMP=$TEMP_E2E
PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

# Par fil : « tid ns réveils préemptions nom », trié par tid.
fils() {
    local t
    for t in /proc/"$1"/task/*; do
        echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat") $(awk '/^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { i = $2 } END { print v, i }' "$t/status") $(tr ' ' _ <"$t/comm")"
    done | sort -n
}

# mesurer NOM Oui|Non : écrit « fil ns réveils préemptions nom » par fil dans $TEMP/NOM.fils.
mesurer() {
    local nom=$1
    reglages_pulsodex "$TEMP/$nom"
    sed -i "/^\[General\]$/a PublierMesures=$2\nPortMesures=$PORT" "$PULSODEX_CONFIG"
    lancer "$TEMP/$nom.sortie" QT_QPA_PLATFORM=xcb PULSODEX_ECOUTE_MESURES=127.0.0.1 "$PULSODEX"
    echo "$nom : $DUREE s (pid $PROGRAMME_PID)…" >&2
    sleep "$CHAUFFE"
    kill -0 "$PROGRAMME_PID" || { cat "$TEMP/$nom.sortie" >&2; exit 1; }
    fils "$PROGRAMME_PID" >"$TEMP/$nom.debut"
    sleep $((DUREE - CHAUFFE))
    fils "$PROGRAMME_PID" >"$TEMP/$nom.fin"
    if [ "$2" = Oui ]; then
        exec 5<>"/dev/tcp/127.0.0.1/$PORT" || { echo "la page ne répond pas" >&2; exit 1; }
        printf 'GET /metrics HTTP/1.0\r\n\r\n' >&5
        head -n 1 <&5 | grep -q '^HTTP/1.1 200' || { echo "la page ne répond pas 200" >&2; exit 1; }
        exec 5<&-
    fi
    arreter "$PROGRAMME_PID"
    PROGRAMME_PID=
    # Les fils présents au début et à la fin.
    join "$TEMP/$nom.debut" "$TEMP/$nom.fin" | awk '{ print $1, $6 - $2, $7 - $3, $8 - $4, $5 }' >"$TEMP/$nom.fils"
    {
        echo "$nom, par fil (tid, CPU ms, réveils, préemptions, nom) :"
        awk '{ printf "  %8s %10.3f %8d %8d  %s\n", $1, $2 / 1e6, $3, $4, $5 }' "$TEMP/$nom.fils"
    } >&2
}

mesurer sans Non
mesurer avec Oui

awk -v s="$((DUREE - CHAUFFE))" '
    FNR == 1 { n++; nom[n] = FILENAME; sub(/.*\//, "", nom[n]); sub(/\.fils$/, "", nom[n]) }
    { fils[n]++; ns[n] += $2; rev[n] += $3; pre[n] += $4; if ($2 == 0 && $3 + $4 == 0) dorment[n]++ }
    END {
        printf "\nRégime établi : %d s après les %d premières secondes.\n\n", s, 10
        printf "%-12s %5s %12s %12s %14s %12s\n", "page", "fils", "CPU ms", "réveils/s", "préemptions/s", "fils muets"
        for (i = 1; i <= n; ++i)
            printf "%-12s %5d %12.2f %12.2f %14.2f %12d\n", nom[i], fils[i], ns[i] / 1e6, rev[i] / s, pre[i] / s,
                dorment[i] + 0
        printf "\nÉcart (avec - sans) : %+d fil, %+.2f ms de CPU, %+.2f réveil/s.\n",
            fils[2] - fils[1], (ns[2] - ns[1]) / 1e6, (rev[2] - rev[1]) / s
        printf "Les fils muets n%sont eu ni réveil ni temps processeur pendant la mesure.\n", "\047"
    }' "$TEMP/sans.fils" "$TEMP/avec.fils"
