#!/usr/bin/env bash
# Installe Pulsodex dans un préfixe temporaire, vérifie les fichiers et
# l'entrée de bureau, puis construit le paquet Debian et vérifie son contenu.
set -euo pipefail
construction=$(realpath "$1")
for outil in desktop-file-validate cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$outil" >/dev/null 2>&1 || { echo "outil absent : $outil"; exit 77; }
done
echec() { echo "ÉCHEC : $*"; exit 1; }

# cmake --install et cpack réécrivent build/install_manifest.txt : celui de
# l'utilisateur est remis en place à la fin.
temp=$(realpath "$(mktemp -d)")
manifeste="$construction/install_manifest.txt"
[ ! -f "$manifeste" ] || cp -p "$manifeste" "$temp/manifeste"
trap 'if [ -f "$temp/manifeste" ]; then cp -p "$temp/manifeste" "$manifeste"; else rm -f "$manifeste"; fi; rm -rf "$temp"' EXIT

prefixe="$temp/prefixe"
cmake --install "$construction" --prefix "$prefixe" >/dev/null
fichiers=(bin/pulsodex share/pulsodex/aide/pulsodex.html share/applications/pulsodex.desktop
    share/icons/hicolor/scalable/apps/pulsodex.svg)
for f in "${fichiers[@]}"; do
    [ -f "$prefixe/$f" ] || echec "fichier non installé : $f"
done
[ -x "$prefixe/bin/pulsodex" ] || echec "bin/pulsodex n'est pas exécutable"
cmp -s "$prefixe/share/pulsodex/aide/pulsodex.html" "$construction/aide/pulsodex.html" ||
    echec "l'aide installée diffère de celle de la construction"

entree="$prefixe/share/applications/pulsodex.desktop"
desktop-file-validate "$entree" || echec "desktop-file-validate refuse l'entrée"
for ligne in 'Exec=pulsodex' 'Icon=pulsodex' 'Categories=System;Monitor;' 'Name=Pulsodex XP'; do
    grep -qxF "$ligne" "$entree" || echec "ligne absente de l'entrée : $ligne"
done
grep -q '^Comment=Tableau de bord' "$entree" || echec "commentaire français absent"
grep -q '<svg' "$prefixe/share/icons/hicolor/scalable/apps/pulsodex.svg" || echec "icône SVG invalide"

# Le programme trouve son aide, installé comme dans la construction.
for racine in "$prefixe/bin/pulsodex $prefixe/share/pulsodex" "$construction/pulsodex $construction"; do
    read -r programme aide <<<"$racine"
    "$programme" --help | grep -qxF "Aide complète : $aide/aide/pulsodex.html" || echec "$programme ne trouve pas son aide"
done

cpack --config "$construction/CPackConfig.cmake" -B "$temp/paquet" >"$temp/cpack.log" 2>&1 ||
    { cat "$temp/cpack.log"; echec "cpack a échoué"; }
paquet=$(find "$temp/paquet" -maxdepth 1 -name 'pulsodex_*.deb' | head -n 1)
[ -n "$paquet" ] || echec "aucun paquet .deb produit"
dependances=$(dpkg-deb -f "$paquet" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    grep -q "\b$d\b" <<<"$dependances" || echec "dépendance absente : $d ($dependances)"
done
contenu=$(dpkg-deb -c "$paquet")
for f in "${fichiers[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contenu" || echec "absent du paquet : /usr/$f"
done
echo "Installation et paquet vérifiés ($(basename "$paquet"))."
