#!/usr/bin/env bash
# Endurance : le vrai programme tourne 10 minutes (PULSODEX_ENDURANCE_S) avec
# un rafraîchissement de 100 ms, toutes les bandes, trois lecteurs, une règle
# qui sonne sans cesse (sa fenêtre d'alarme est fermée dès qu'elle paraît) et
# des clients qui vont et viennent sur le port 1109. Après l'échauffement, le
# nombre de fils, de descripteurs et la mémoire résidente restent plats.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/../e2e/commun.sh"
exiger ss
# Un simple « ctest » ne la lance pas : seul le préréglage « endurance » le demande.
if [ "${PULSODEX_ENDURANCE:-}" != 1 ]; then
    echo "endurance non demandée (ctest --preset endurance)"
    exit $SAUT
fi
DUREE=${PULSODEX_ENDURANCE_S:-600}
ECHAUFFEMENT=$((DUREE / 5)) # 2 minutes sur 10 : caches de Qt et des polices remplis

if [ -n "$(ss -Hltn 'sport = :1109' 2>/dev/null)" ]; then
    echo "port 1109 déjà pris sur cette machine"
    exit $SAUT
fi
demarrer_xvfb
mkdir -p "$TEMP_E2E"/lecteurs/{c,d,e} "$TEMP_E2E/programme"
reglages_de_base
cat >>"$TEMP_E2E/Pulsodex.conf" <<FIN
NombreAvertissements=1

[1280x1024]
Date=Oui
Heure=Oui
Mem=Oui
MemPhysique=Oui
MemoryLoad=Oui
ChargeProcesseur=Oui
MoyenneChargeProcesseur=Oui
TotalDisque=Oui
ListeDisques=CDE
Rafraichissement=100
ModeRafraichissementHorloge=Seconde
ChaineHeure=hh:nn:ss.zzz
RepeterAvertir=10
Sons=Non

[Lecteurs]
C=$TEMP_E2E/lecteurs/c
D=$TEMP_E2E/lecteurs/d
E=$TEMP_E2E/lecteurs/e

[Avertissement]
0\\Ressource=Disque
0\\Disque=D
0\\Unit%E9=Mo
0\\Seuil=2000000000
FIN

# Fermeur : chaque fenêtre d'alarme est fermée dès qu'elle paraît ; elle
# revient dix rafraîchissements plus tard. La première paraît dès le premier
# rafraîchissement, avant même la fenêtre principale.
fermeur() {
    while kill -0 "$PROGRAMME_PID" 2>/dev/null; do
        local f
        f=$(fenetre "Alarme Pulsodex")
        if [ -n "$f" ]; then
            # Une vraie frappe sur la fenêtre active : un évènement envoyé à
            # une fenêtre sans le focus est ignoré.
            xdotool windowactivate --sync "$f" key Return 2>/dev/null
            echo >>"$TEMP_E2E/alarmes"
        fi
        sleep 0.2
    done
}
# Clients : l'un converse (salutation, GET, BYE), l'autre part sans rien dire.
clients() {
    local n=0
    while kill -0 "$PROGRAMME_PID" 2>/dev/null; do
        if exec 3<>/dev/tcp/127.0.0.1/1109 2>/dev/null; then
            if ((n % 2 == 0)); then
                IFS= read -r -t 5 _ <&3 && printf 'GET\r\n' >&3 && IFS= read -r -t 5 _ <&3 &&
                    printf 'BYE\r\n' >&3 && IFS= read -r -t 5 _ <&3 && echo >>"$TEMP_E2E/clients"
            fi
            exec 3<&-
        fi
        n=$((n + 1))
        sleep 0.05
    done
}

lancer_pulsodex
fermeur &
FERMEUR=$!
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
le_notre() { ss -Hltnp 'sport = :1109' 2>/dev/null | grep -q "pid=$PROGRAMME_PID,"; }
attendre 10 le_notre || { echo "pulsodex n'écoute pas sur 1109"; exit 1; }
clients &
CLIENTS=$!
trap 'kill $FERMEUR $CLIENTS 2>/dev/null; nettoyer' EXIT

# Un relevé toutes les 5 s : fils, descripteurs, mémoire résidente (Ko).
releve() {
    local fils rss fd
    fils=$(awk '/^Threads:/ {print $2}' "/proc/$PROGRAMME_PID/status")
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$PROGRAMME_PID/status")
    fd=$(find "/proc/$PROGRAMME_PID/fd" -mindepth 1 -maxdepth 1 | wc -l)
    echo "$SECONDS $fils $fd $rss"
}
debut=$SECONDS
: >"$TEMP_E2E/releves"
while [ $((SECONDS - debut)) -lt "$DUREE" ]; do
    kill -0 "$PROGRAMME_PID" 2>/dev/null || { echo "le programme s'est arrêté"; exit 1; }
    releve >>"$TEMP_E2E/releves"
    sleep 5
done
kill $FERMEUR $CLIENTS 2>/dev/null
wait $FERMEUR $CLIENTS 2>/dev/null
alarmes=$(wc -l <"$TEMP_E2E/alarmes" 2>/dev/null || echo 0)
conversations=$(wc -l <"$TEMP_E2E/clients" 2>/dev/null || echo 0)

# Au-delà de l'échauffement : la première mesure est la référence.
# Tolérances :
# - fils +2 : un client peut être servi (un fil) au moment du relevé, un
#   second en train de se fermer ; les sondes des lecteurs ont un fil chacune,
#   créé une fois ;
# - descripteurs +2 : la prise de ces mêmes clients ;
# - mémoire résidente +6 Mo : les arènes de malloc et les caches de Qt bougent
#   de quelques Mo ; une fuite de 1 Ko par rafraîchissement (4800 après
#   l'échauffement) ou de 4 Ko par client (plus de 1000 ici) la dépasse ; et
#   la seconde moitié ne doit pas grossir de plus de 3 Mo.
awk -v echauffement="$((debut + ECHAUFFEMENT))" -v fin="$((debut + DUREE))" '
    $1 >= echauffement && !ref { f0 = $2; d0 = $3; r0 = $4; ref = 1 }
    ref { n++; if ($2 > fmax) fmax = $2; if ($3 > dmax) dmax = $3; if ($4 > rmax) rmax = $4
          if ($1 <= (echauffement + fin) / 2) rmilieu = $4; rfin = $4 }
    END {
        printf "après échauffement : fils %d→max %d, descripteurs %d→max %d, RSS %d→max %d Ko (milieu %d, fin %d)\n",
            f0, fmax, d0, dmax, r0, rmax, rmilieu, rfin
        if (!ref || n < 3) { print "pas assez de relevés"; exit 1 }
        e = 0
        if (fmax > f0 + 2) { print "les fils augmentent"; e = 1 }
        if (dmax > d0 + 2) { print "les descripteurs augmentent"; e = 1 }
        if (rmax > r0 + 6144) { print "la mémoire résidente augmente"; e = 1 }
        if (rfin > rmilieu + 3072) { print "la mémoire résidente augmente encore en seconde moitié"; e = 1 }
        exit e
    }' "$TEMP_E2E/releves"
resultat=$?
echo "alarmes fermées : $alarmes ; conversations sur 1109 : $conversations ; durée : $DUREE s"
[ "$alarmes" -ge $((DUREE / 10)) ] || { echo "trop peu d'alarmes : la règle ne sonne pas"; resultat=1; }
[ "$conversations" -ge $((DUREE / 2)) ] || { echo "trop peu de clients servis"; resultat=1; }
[ $resultat -eq 0 ] || { echo "relevés (s, fils, descripteurs, RSS Ko) :"; cat "$TEMP_E2E/releves"; }
arreter_programme TERM || exit 1
exit $resultat
