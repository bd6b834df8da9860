#!/usr/bin/env bash
# Installe les paquets Debian qui manquent pour construire, lancer et tester
# Pulsodex. En root : apt-get sans question ; sinon : affiche la commande.
set -euo pipefail

paquets=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libcanberra-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool iproute2
    clang-format clang libclang-rt-14-dev
    fonts-dejavu-core fonts-liberation qt6-translations-l10n
    desktop-file-utils dpkg-dev locales
)
# Les langues des utilisateurs, pour les tests des nombres et des dates.
langues=(fr_FR de_DE en_US)

langues_manquantes() {
    local presentes
    presentes=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')
    for l in "${langues[@]}"; do
        grep -qx "$(echo "$l" | tr '[:upper:]' '[:lower:]').utf8" <<<"$presentes" || echo "$l"
    done
}

creer_langues() {
    local l
    for l in $(langues_manquantes); do
        echo "Création de la locale $l.UTF-8"
        localedef -i "$l" -f UTF-8 "$l.UTF-8"
    done
}

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ] && [ -z "$(langues_manquantes)" ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    [ ${#manquants[@]} -eq 0 ] || {
        echo "Paquets manquants : ${manquants[*]}" >&2
        echo "Installez-les avec :" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${manquants[*]}" >&2
    }
    for l in $(langues_manquantes); do
        echo "Locale manquante : sudo localedef -i $l -f UTF-8 $l.UTF-8" >&2
    done
    exit 1
fi

if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation des paquets manquants : ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! apt-get install -y --no-install-recommends "${manquants[@]}"; then
        apt-get update -qq
        apt-get install -y --no-install-recommends "${manquants[@]}"
    fi
fi
creer_langues
