#!/usr/bin/env bash
# Installe Pulsodex dans un préfixe temporaire, vérifie les fichiers et
# l'entrée de bureau, puis construit le paquet Debian et vérifie son contenu.
set -euo pipefail

SAUT=77 # code « test sauté » pour CTest
construction=$(realpath "$1")
for outil in desktop-file-validate cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$outil" >/dev/null 2>&1 || { echo "outil absent : $outil"; exit $SAUT; }
done

temp=$(realpath "$(mktemp -d)")
# cmake --install et cpack réécrivent build/install_manifest.txt : celui de
# l'utilisateur est remis en place à la fin.
manifeste="$construction/install_manifest.txt"
[ -f "$manifeste" ] && cp -p "$manifeste" "$temp/manifeste"
remettre() {
    if [ -f "$temp/manifeste" ]; then
        cp -p "$temp/manifeste" "$manifeste"
    else
        rm -f "$manifeste"
    fi
    rm -rf "$temp"
}
trap remettre EXIT
echec() { echo "ÉCHEC : $*"; exit 1; }

# 1. Installation dans un préfixe.
prefixe="$temp/prefixe"
cmake --install "$construction" --prefix "$prefixe" >/dev/null
fichiers=(
    bin/pulsodex
    share/pulsodex/aide/pulsodex.html
    share/applications/pulsodex.desktop
    share/icons/hicolor/scalable/apps/pulsodex.svg
)
for f in "${fichiers[@]}"; do
    [ -f "$prefixe/$f" ] || echec "fichier non installé : $f"
done
[ -x "$prefixe/bin/pulsodex" ] || echec "bin/pulsodex n'est pas exécutable"
cmp -s "$prefixe/share/pulsodex/aide/pulsodex.html" "$construction/aide/pulsodex.html" \
    || echec "l'aide installée diffère de celle de la construction"

# 2. L'entrée de bureau.
entree="$prefixe/share/applications/pulsodex.desktop"
desktop-file-validate "$entree" || echec "desktop-file-validate refuse l'entrée"
for ligne in 'Exec=pulsodex' 'Icon=pulsodex' 'Categories=System;Monitor;' 'Name=Pulsodex XP'; do
    grep -qxF "$ligne" "$entree" || echec "ligne absente de l'entrée : $ligne"
done
grep -q '^Comment=Tableau de bord' "$entree" || echec "commentaire français absent"
grep -q '<svg' "$prefixe/share/icons/hicolor/scalable/apps/pulsodex.svg" || echec "icône SVG invalide"

# 3. Le programme trouve son aide, installé comme dans la construction.
"$prefixe/bin/pulsodex" --help | grep -qxF "Aide complète : $prefixe/share/pulsodex/aide/pulsodex.html" \
    || echec "le programme installé ne trouve pas son aide"
"$construction/pulsodex" --help | grep -qxF "Aide complète : $construction/aide/pulsodex.html" \
    || echec "le programme de la construction ne trouve pas son aide"

# 4. Le paquet Debian.
cpack --config "$construction/CPackConfig.cmake" -B "$temp/paquet" >"$temp/cpack.log" 2>&1 \
    || { cat "$temp/cpack.log"; echec "cpack a échoué"; }
paquet=$(find "$temp/paquet" -maxdepth 1 -name 'pulsodex_*.deb' | head -n 1)
[ -n "$paquet" ] || echec "aucun paquet .deb produit"
dependances=$(dpkg-deb -f "$paquet" Depends)
for dependance in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 qt6-qpa-plugins qt6-translations-l10n \
    fonts-liberation; do
    grep -q "\b$dependance\b" <<<"$dependances" || echec "dépendance absente : $dependance ($dependances)"
done
contenu=$(dpkg-deb -c "$paquet")
for f in "${fichiers[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contenu" || echec "absent du paquet : /usr/$f"
done
echo "Installation et paquet vérifiés ($(basename "$paquet"))."
