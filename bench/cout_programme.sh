#!/usr/bin/env bash
# Coût de Pulsodex au repos face au programme Qt de référence et, quand ils
# sont installés, à GKrellM et à conky : chacun tourne à son tour DUREE
# secondes (120 par défaut) sur le même Xvfb privé, rafraîchi chaque seconde.
# Pulsodex tourne deux fois : dans la configuration des bancs (« pulsodex ») et
# dans la grande (« grande » : lecteurs C à J et leur total, 200 règles, 200
# événements, moyenne sur 60 minutes ; voir reglages_grande). Pour chacun : le
# temps processeur du régime établi (après les 10 premières secondes), par
# seconde et par heure, les réveils par seconde, les fils, la mémoire résidente
# de pointe, la PSS, le délai du lancement à la première fenêtre montrée, puis
# les rapports à la référence. Avec TOURS > 1, la suite entière est refaite
# TOURS fois, dans un ordre qui tourne d'un tour à l'autre (la charge de la
# machine partagée se répartit), et chaque chiffre est la médiane des tours.
# Rien n'est installé ici.
#
#   bench/cout_programme.sh [DUREE_S] [DOSSIER_BUILD] [TOURS]
set -euo pipefail
cd "$(dirname "$0")/.."

DUREE=${1:-120}
BUILD=${2:-build}
TOURS=${3:-1}
CHAUFFE=10
PULSODEX="$BUILD/pulsodex"
REFERENCE="$BUILD/bench/reference_qt"

[ "$DUREE" -gt "$CHAUFFE" ] 2>/dev/null || { echo "durée en secondes, plus de $CHAUFFE" >&2; exit 2; }
[ "$TOURS" -gt 0 ] 2>/dev/null || { echo "nombre de tours, au moins 1" >&2; exit 2; }
for programme in "$PULSODEX" "$REFERENCE"; do
    [ -x "$programme" ] || { echo "absent : $programme (cmake --build --preset ci)" >&2; exit 2; }
done
# shellcheck source=bench/commun_banc.sh
source bench/commun_banc.sh
demarrer_x Xvfb
TEMP=$TEMP_E2E
HZ=$(getconf CLK_TCK)
demarrer_guet
echo "charge moyenne au départ : $(cut -d' ' -f1-3 /proc/loadavg)" >&2

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

toujours_la() {
    kill -0 "$PROGRAMME_PID" 2>/dev/null && return 0
    echo "$1 s'est arrêté :" >&2
    cat "$TEMP/$1.sortie" >&2
    exit 1
}

# mesurer NOM [NOM=VALEUR...] COMMANDE... : ajoute une ligne de chiffres à
# $TEMP/NOM.chiffres (une par tour).
MESURES=()
mesurer() {
    local nom=$1
    shift
    lancer "$TEMP/$nom.sortie" "$@"
    echo "$nom : $DUREE s (pid $PROGRAMME_PID, DISPLAY $DISPLAY)…" >&2
    local demarrage
    demarrage=$(delai_premiere_fenetre)
    sleep "$(awk -v l="$LANCEMENT" -v c="$CHAUFFE" -v m="${EPOCHREALTIME/,/.}" 'BEGIN { r = l + c - m; print (r > 0 ? r : 0) }')"
    toujours_la "$nom"
    local debut fin
    debut=$(releve "$PROGRAMME_PID")
    sleep $((DUREE - CHAUFFE))
    toujours_la "$nom"
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
    awk -v t="$((t2 - t1))" -v hz="$HZ" -v n="$((n2 - n1))" -v memes="$([ "$fils1" = "$fils2" ] && echo 1 || echo 0)" \
        -v v="$((v2 - v1))" -v i="$((i2 - i1))" -v s="$((DUREE - CHAUFFE))" -v th="$threads" -v hwm="$hwm" \
        -v pss="$pss" -v dem="$demarrage" 'BEGIN {
            cpu = memes ? n / 1e6 : t * 1000 / hz
            printf "%.2f %.2f %.2f %d %d %d %s %d\n", cpu, v / s, i / s, th, hwm, pss, dem, memes
        }' >>"$TEMP/$nom.chiffres"
    [[ " ${MESURES[*]} " == *" $nom "* ]] || MESURES+=("$nom")
}

# La médiane de chaque colonne des chiffres d'un programme (« - » quand une
# colonne n'a pas de nombre) ; la dernière, « fils restés les mêmes », vaut 0
# si un tour a vu ses fils changer.
medianes() {
    local fichier=$1 c valeur ligne=""
    for c in 1 2 3 4 5 6 7; do
        valeur=$(cut -d' ' -f"$c" "$fichier" | grep -v -- '^-$' | mediane %.3f || true)
        ligne="$ligne ${valeur:--}"
    done
    echo "$ligne $(cut -d' ' -f8 "$fichier" | sort -n | head -1)"
}

# Un pair absent n'est pas mesuré ; rien n'est installé ici.
present() {
    command -v "$1" >/dev/null 2>&1 && return 0
    echo "$1 absent : non mesuré (pour le comparer : apt-get install $2)" >&2
    return 1
}

# Un programme de la suite : ses réglages refaits à chaque tour (Pulsodex
# enregistre les siens en se fermant), puis sa mesure.
mesurer_pulsodex() {
    reglages_pulsodex "$TEMP/reglages"
    mesurer pulsodex QT_QPA_PLATFORM=xcb "$PULSODEX"
}
mesurer_grande() {
    reglages_grande "$TEMP/grande" "$LECTEURS"
    mesurer grande QT_QPA_PLATFORM=xcb PULSODEX_CONFIG="$TEMP/grande/Pulsodex.conf" \
        PULSODEX_REPERTOIRE="$TEMP/grande/programme" "$PULSODEX"
}
mesurer_reference() {
    mesurer reference QT_QPA_PLATFORM=xcb "$REFERENCE"
}
SUITE=(pulsodex grande reference)

avertir_port_pris

# Les lecteurs D à J de la grande configuration : sept dossiers d'un petit
# tmpfs monté pour le banc quand on en a le droit (leur espace ne bouge pas :
# le banc mesure le coût des relevés, pas celui des jauges qui changent) ;
# sinon sept dossiers du dossier temporaire, sur un système de fichiers que
# les autres programmes font bouger.
LECTEURS="$TEMP/lecteurs"
mkdir -p "$LECTEURS"
if mount -t tmpfs -o size=8m pulsodex-banc "$LECTEURS" 2>/dev/null; then
    trap 'umount "$LECTEURS"; nettoyer' EXIT
    echo "lecteurs D à J de la grande : dossiers d'un tmpfs monté pour le banc" >&2
else
    echo "lecteurs D à J de la grande : dossiers de $TEMP (pas le droit de monter)" >&2
fi

# GKrellM : un dossier personnel temporaire, pour qu'il ne lise pas les
# réglages de l'utilisateur ; ses moniteurs par défaut, relevés une fois par
# seconde au lieu de dix (update_HZ) ; un fichier de réglages présent lui
# évite aussi la fenêtre d'introduction du premier lancement.
mesurer_gkrellm() {
    mkdir -p "$TEMP/gkrellm/.gkrellm2"
    echo "update_HZ 1" >"$TEMP/gkrellm/.gkrellm2/user-config"
    mesurer gkrellm HOME="$TEMP/gkrellm" gkrellm
}
present gkrellm gkrellm && SUITE+=(gkrellm)

# conky : sa propre fenêtre X, chaque seconde, les mêmes relevés que la
# configuration mesurée de Pulsodex : date et heure, mémoire disponible et
# libre, taux d'utilisation de la mémoire, charge du processeur, moyenne (la
# charge moyenne du système sur une minute : conky n'a qu'une moyenne de la
# charge à la fois), espace libre de /.
mesurer_conky() {
    cat >"$TEMP/conky.conf" <<'FIN'
conky.config = {
    out_to_x = true,
    out_to_console = false,
    own_window = true,
    own_window_type = 'normal',
    own_window_title = 'conky',
    background = false,
    update_interval = 1,
    cpu_avg_samples = 1,
    use_xft = true,
    font = 'DejaVu Sans:size=8',
}
conky.text = [[
${time %d/%m/%Y - %H:%M}
${memeasyfree} disponibles
${memfree} libres (physique)
Utilisation mémoire : ${memperc} %
Utilisation CPU : ${cpu cpu0} %
Moyenne : ${loadavg 1}
C: ${fs_free /} libres
]]
FIN
    mesurer conky HOME="$TEMP" conky -c "$TEMP/conky.conf"
}
present conky conky-std && SUITE+=(conky)

# Chaque tour commence un programme plus loin que le précédent.
for ((tour = 0; tour < TOURS; tour++)); do
    for ((k = 0; k < ${#SUITE[@]}; k++)); do
        "mesurer_${SUITE[(tour + k) % ${#SUITE[@]}]}"
    done
    echo "tour $((tour + 1))/$TOURS fini, charge moyenne : $(cut -d' ' -f1-3 /proc/loadavg)" >&2
done
echo "charge moyenne à la fin : $(cut -d' ' -f1-3 /proc/loadavg)" >&2

for nom in "${MESURES[@]}"; do
    echo "$nom $(medianes "$TEMP/$nom.chiffres")"
done | awk -v s="$((DUREE - CHAUFFE))" -v tours="$TOURS" '
    # Largeur en caractères et non en octets : les libellés ont des accents.
    function cadrer(texte, largeur, gauche,   octets, suite, blanc) {
        octets = texte
        suite = gsub(/[\200-\277]/, "", octets)
        blanc = sprintf("%" (largeur - (length(texte) - suite)) "s", "")
        return gauche ? texte blanc : blanc texte
    }
    function quotient(a, b) { return a != "-" && b != "-" && b > 0 ? sprintf("%.2f", a / b) : "-" }
    {
        nom[NR] = $1; cpu[NR] = $2; rev[NR] = $3; fils[NR] = $5
        hwm[NR] = $6 / 1024; pss[NR] = $7 / 1024; dem[NR] = $8; memes[NR] = $9
        if ($1 == "reference") ref = NR
    }
    END {
        printf "\nRégime établi : %d s après les 10 premières secondes ; CPU en ms", s
        if (tours > 1) printf " ; médianes de %d tours.\n\n", tours
        else printf ".\n\n"
        split("programme|CPU|ms/s|ms/h|rapport|réveils/s|fils|VmHWM Mio|rapport|PSS Mio|rapport|1re fenêtre ms|rapport", t, "|")
        split("10 9 7 9 8 10 5 10 8 8 8 15 8", l, " ")
        for (c = 1; c <= 13; ++c) printf "%s", cadrer(t[c], l[c] + (c > 1), c == 1)
        printf "\n"
        for (i = 1; i <= NR; ++i) {
            libelle = nom[i] == "reference" ? "référence" : nom[i]
            printf "%s %9.1f %7.3f %9.0f %8s %10.2f %5d %10.1f %8s %8.1f %8s %15s %8s\n", cadrer(libelle, 10, 1),
                cpu[i], cpu[i] / s, cpu[i] * 3600 / s, quotient(cpu[i], cpu[ref]), rev[i], fils[i],
                hwm[i], quotient(hwm[i], hwm[ref]), pss[i], quotient(pss[i], pss[ref]),
                dem[i], quotient(dem[i], dem[ref])
            if (!memes[i]) changes = changes " " nom[i]
            if (nom[i] == "pulsodex") p = i
            if (nom[i] == "grande") g = i
        }
        printf "\nCibles de pulsodex : CPU <= 1.25 et VmHWM <= 1.15 fois la référence.\n"
        if (p && g)
            printf "Grande configuration : CPU %s fois pulsodex (cible <= 1.5), %+d fil(s) (cible <= +1), réveils/s %.2f contre %.2f.\n",
                quotient(cpu[g], cpu[p]), fils[g] - fils[p], rev[g], rev[p]
        if (changes != "")
            printf "(fils changés pendant la mesure pour%s : CPU pris dans utime+stime, au centième de seconde)\n", changes
        else
            printf "(CPU : somme des schedstat des fils, à la nanoseconde)\n"
    }'
