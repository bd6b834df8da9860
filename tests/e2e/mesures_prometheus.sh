#!/usr/bin/env bash
# La page des mesures lue par un vrai Prometheus : le programme publie sur la
# boucle locale et un port libre, Prometheus le relève chaque seconde dans un
# dossier de données temporaire ; la mémoire physique libre stockée suit
# MemAvailable et l'espace libre de chaque lecteur suit statvfs, à quelques
# pour cent près ; promtool accepte la page. Page éteinte : port fermé.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
exiger prometheus promtool python3 stat
demarrer_xvfb

port_libre() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
PORT=$(port_libre)
PORT_PROMETHEUS=$(port_libre)
export PULSODEX_ECOUTE_MESURES=127.0.0.1

# Sortie d'un GET : en-têtes puis corps (python3, sans autre outil).
obtenir() {
    python3 - "$1" <<'FIN'
import sys, urllib.request
with urllib.request.urlopen(sys.argv[1], timeout=5) as r:
    print(r.headers.get("Content-Type"))
    sys.stdout.write(r.read().decode())
FIN
}
page_prete() { obtenir "http://127.0.0.1:$PORT/metrics" >"$TEMP_E2E/page" 2>/dev/null; }

# La valeur stockée d'une requête PromQL, par série : « étiquette valeur ».
requete() {
    python3 - "$PORT_PROMETHEUS" "$1" "${2:-}" <<'FIN'
import json, sys, urllib.parse, urllib.request
port, expr, etiquette = sys.argv[1], sys.argv[2], sys.argv[3]
url = f"http://127.0.0.1:{port}/api/v1/query?" + urllib.parse.urlencode({"query": expr})
with urllib.request.urlopen(url, timeout=5) as r:
    donnees = json.load(r)
for serie in donnees["data"]["result"]:
    print(serie["metric"].get(etiquette, "-"), serie["value"][1])
FIN
}
cible_en_service() {
    python3 - "$PORT_PROMETHEUS" <<'FIN'
import json, sys, urllib.request
with urllib.request.urlopen(f"http://127.0.0.1:{sys.argv[1]}/api/v1/targets", timeout=5) as r:
    cibles = json.load(r)["data"]["activeTargets"]
sys.exit(0 if cibles and all(c["health"] == "up" for c in cibles) else 1)
FIN
}
# proches A B : A et B à 5 % près (de B).
proches() { python3 -c "import sys; a, b = float(sys.argv[1]), float(sys.argv[2]); sys.exit(0 if abs(a - b) <= 0.05 * b else 1)" "$1" "$2"; }

mkdir -p "$TEMP_E2E/d"
reglages_de_base "PublierMesures=Oui" "PortMesures=$PORT" "[Lecteurs]" "C=/" "D=$TEMP_E2E/d" \
    "[1280x1024]" "ListeDisques=CD" "ModeServeur=Non"
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
attendre 5 page_prete || exit 1
head -n 1 "$TEMP_E2E/page" | grep -qx 'text/plain; version=0.0.4; charset=utf-8' ||
    { echo "type de contenu : $(head -n 1 "$TEMP_E2E/page")"; exit 1; }
tail -n +2 "$TEMP_E2E/page" >"$TEMP_E2E/mesures"
if ! promtool check metrics <"$TEMP_E2E/mesures"; then
    echo "promtool refuse la page :"
    cat "$TEMP_E2E/mesures"
    exit 1
fi

cat >"$TEMP_E2E/prometheus.yml" <<FIN
global:
  scrape_interval: 1s
  evaluation_interval: 1s
scrape_configs:
  - job_name: pulsodex
    static_configs:
      - targets: ["127.0.0.1:$PORT"]
FIN
prometheus --config.file="$TEMP_E2E/prometheus.yml" --storage.tsdb.path="$TEMP_E2E/donnees" \
    --web.listen-address="127.0.0.1:$PORT_PROMETHEUS" --log.level=warn >"$TEMP_E2E/prometheus.log" 2>&1 &
PIDS_E2E+=($!)
releve_stocke() { [ -n "$(requete pulsodex_lecteur_libre_bytes)" ]; }
if ! attendre 20 cible_en_service || ! attendre 10 releve_stocke; then
    echo "Prometheus n'a rien relevé :"
    cat "$TEMP_E2E/prometheus.log"
    exit 1
fi

# (Les produits en arithmétique entière du shell : awk écrirait « 2,3e+10 » en français.)
# Mémoire : la valeur stockée face à MemAvailable, relu juste après (quelques
# essais : la machine vit entre le relevé et la lecture).
memoire_conforme() {
    local stockee disponible
    stockee=$(requete pulsodex_memoire_physique_libre_bytes | awk '{print $2}')
    disponible=$(($(awk '/^MemAvailable:/ {print $2}' /proc/meminfo) * 1024))
    echo "mémoire physique libre : stockée $stockee, MemAvailable $disponible"
    proches "$stockee" "$disponible"
}
# Lecteurs : chacun répond, et son espace libre stocké suit f_bfree × f_frsize.
lecteurs_conformes() {
    local dossier stockee libre blocs taille n=0
    [ "$(requete 'min(pulsodex_lecteur_repond)' | awk '{print $2}')" = 1 ] || return 1
    while read -r dossier stockee; do
        read -r blocs taille < <(stat -f -c '%f %S' "$dossier")
        libre=$((blocs * taille))
        echo "lecteur $dossier : stocké $stockee, statvfs $libre"
        proches "$stockee" "$libre" || return 1
        n=$((n + 1))
    done < <(requete pulsodex_lecteur_libre_bytes dossier)
    [ "$n" -eq 2 ]
}
for verification in memoire_conforme lecteurs_conformes; do
    ok=0
    for essai in 1 2 3; do
        if $verification; then
            ok=1
            break
        fi
        sleep 1
    done
    [ $ok -eq 1 ] || { echo "$verification : écart de plus de 5 %"; exit 1; }
done
arreter_programme TERM || exit 1

# Page éteinte : le port reste fermé.
sed -i 's/^PublierMesures=Oui$/PublierMesures=Non/' "$TEMP_E2E/Pulsodex.conf"
grep -qx 'PublierMesures=Non' "$TEMP_E2E/Pulsodex.conf" || { echo "réglage non écrit"; exit 1; }
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
if (exec 4<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; then
    echo "le port $PORT répond alors que PublierMesures vaut Non"
    exit 1
fi
arreter_programme TERM || exit 1
echo "ok"
