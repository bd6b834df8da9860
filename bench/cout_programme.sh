#!/usr/bin/env bash
# Coût de Pulsodex au repos face au programme Qt de référence : chacun tourne
# à son tour DUREE secondes (120 par défaut) sur le même Xvfb privé. Pour chacun :
# le temps processeur du régime établi (après les 10 premières secondes), les
# réveils par seconde, les fils, la mémoire résidente de pointe et la PSS,
# puis les rapports pulsodex / référence.
#
#   bench/cout_programme.sh [DUREE_S] [DOSSIER_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."

DUREE=${1:-120}
BUILD=${2:-build}
CHAUFFE=10
PULSODEX="$BUILD/pulsodex"
REFERENCE="$BUILD/bench/reference_qt"

[ "$DUREE" -gt "$CHAUFFE" ] 2>/dev/null || { echo "durée en secondes, plus de $CHAUFFE" >&2; exit 2; }
for programme in "$PULSODEX" "$REFERENCE"; do
    [ -x "$programme" ] || { echo "absent : $programme (cmake --build --preset ci)" >&2; exit 2; }
done
# L'écran privé et son nettoyage à la sortie : ceux des tests de bout en bout.
# shellcheck source=tests/e2e/commun.sh
source tests/e2e/commun.sh
demarrer_xvfb
TEMP=$TEMP_E2E
HZ=$(getconf CLK_TCK)

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

# Un relevé : tics utime+stime, ns passés sur le processeur (somme des fils),
# changements de contexte volontaires et forcés (somme des fils), liste des fils.
releve() {
    local pid=$1 tics ns=0 vol=0 inv=0 fils=""
    tics=$(sed 's/.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}')
    for tache in /proc/"$pid"/task/*; do
        [ -r "$tache/schedstat" ] || continue
        fils="$fils ${tache##*/}"
        ns=$((ns + $(cut -d' ' -f1 "$tache/schedstat")))
        vol=$((vol + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$tache/status")))
        inv=$((inv + $(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$tache/status")))
    done
    echo "$tics $ns $vol $inv$fils"
}

# mesurer NOM COMMANDE... : écrit les chiffres dans $TEMP/NOM.
mesurer() {
    local nom=$1
    shift
    "$@" >"$TEMP/$nom.sortie" 2>&1 &
    PROGRAMME_PID=$!
    echo "$nom : $DUREE s (pid $PROGRAMME_PID, DISPLAY $DISPLAY)…" >&2
    sleep "$CHAUFFE"
    kill -0 "$PROGRAMME_PID" 2>/dev/null || { echo "$nom s'est arrêté :" >&2; cat "$TEMP/$nom.sortie" >&2; exit 1; }
    local debut fin
    debut=$(releve "$PROGRAMME_PID")
    sleep $((DUREE - CHAUFFE))
    kill -0 "$PROGRAMME_PID" 2>/dev/null || { echo "$nom s'est arrêté :" >&2; cat "$TEMP/$nom.sortie" >&2; exit 1; }
    fin=$(releve "$PROGRAMME_PID")
    local threads hwm pss
    threads=$(awk '/^Threads:/ {print $2}' "/proc/$PROGRAMME_PID/status")
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$PROGRAMME_PID/status")
    pss=$(awk '/^Pss:/ {print $2}' "/proc/$PROGRAMME_PID/smaps_rollup")
    arreter "$PROGRAMME_PID"
    PROGRAMME_PID=
    # Les ns des fils ne valent que si les fils sont restés les mêmes.
    local t1 n1 v1 i1 fils1 t2 n2 v2 i2 fils2
    read -r t1 n1 v1 i1 fils1 <<<"$debut"
    read -r t2 n2 v2 i2 fils2 <<<"$fin"
    local secondes=$((DUREE - CHAUFFE))
    awk -v t="$((t2 - t1))" -v hz="$HZ" -v n="$((n2 - n1))" -v memes="$([ "$fils1" = "$fils2" ] && echo 1 || echo 0)" \
        -v v="$((v2 - v1))" -v i="$((i2 - i1))" -v s="$secondes" -v th="$threads" -v hwm="$hwm" -v pss="$pss" \
        'BEGIN {
            cpu = memes ? n / 1e9 : t / hz
            printf "%.4f %.3f %.2f %.2f %d %d %d %d\n", cpu, t / hz, v / s, i / s, th, hwm, pss, memes
        }' >"$TEMP/$nom"
}

mkdir -p "$TEMP/programme"
printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n[1280x1024]\nChargeProcesseur=Oui\nMoyenneChargeProcesseur=Oui\n' \
    >"$TEMP/Pulsodex.conf"
mesurer pulsodex env PULSODEX_CONFIG="$TEMP/Pulsodex.conf" PULSODEX_REPERTOIRE="$TEMP/programme" \
    QT_QPA_PLATFORM=xcb "$PULSODEX"
mesurer reference env QT_QPA_PLATFORM=xcb "$REFERENCE"

read -r p_cpu p_tics p_rev p_force p_fils p_hwm p_pss p_memes <"$TEMP/pulsodex"
read -r r_cpu r_tics r_rev r_force r_fils r_hwm r_pss r_memes <"$TEMP/reference"
secondes=$((DUREE - CHAUFFE))
awk -v s="$secondes" -v pc="$p_cpu" -v rc="$r_cpu" -v pt="$p_tics" -v rt="$r_tics" \
    -v pr="$p_rev" -v rr="$r_rev" -v pf="$p_force" -v rf="$r_force" -v pth="$p_fils" -v rth="$r_fils" \
    -v ph="$p_hwm" -v rh="$r_hwm" -v pp="$p_pss" -v rp="$r_pss" -v pm="$p_memes" -v rm="$r_memes" '
    # Largeur en caractères et non en octets : les libellés ont des accents.
    function cadrer(texte, largeur,   octets, suite) {
        octets = texte
        suite = gsub(/[\200-\277]/, "", octets)
        return texte sprintf("%" (largeur - (length(texte) - suite)) "s", "")
    }
    function ligne(libelle, p, r, format, rapport, cible) {
        printf "%s %12" format " %12" format " %9s %9s\n", cadrer(libelle, 38), p, r, rapport, cible
    }
    function quotient(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "-" }
    BEGIN {
        printf "\nRégime établi : %d s après les 10 premières secondes.\n\n", s
        printf "%s %12s %s %9s %9s\n", cadrer("", 38), "pulsodex", "   référence", "rapport", "cible"
        ligne("CPU du régime établi (s)", pc, rc, ".3f", quotient(pc, rc), "<= 1.25")
        ligne("  soit par heure (s)", pc * 3600 / s, rc * 3600 / s, ".2f", "", "")
        ligne("  utime+stime de /proc/PID/stat (s)", pt, rt, ".2f", "", "")
        ligne("réveils par seconde", pr, rr, ".2f", quotient(pr, rr), "<= 5")
        ligne("  préemptions par seconde", pf, rf, ".2f", "", "")
        ligne("fils", pth, rth, "d", "", "")
        ligne("RSS de pointe, VmHWM (Mio)", ph / 1024, rh / 1024, ".1f", quotient(ph, rh), "<= 1.15")
        ligne("PSS (Mio)", pp / 1024, rp / 1024, ".1f", quotient(pp, rp), "")
        if (!pm || !rm)
            print "\n(fils changés pendant la mesure : CPU pris dans utime+stime, au centième de seconde)"
        else
            print "\n(CPU : somme des schedstat des fils, à la nanoseconde)"
    }'
