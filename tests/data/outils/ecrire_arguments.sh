#!/bin/sh
# Outil de test : écrit ses arguments (un par ligne), son dossier et la cible
# de chacun de ses descripteurs ouverts dans le fichier donné en premier.
sortie="$1"
shift
{
    for a in "$@"; do
        printf '%s\n' "$a"
    done
    printf 'dossier=%s\n' "$(pwd)"
    for fd in /proc/$$/fd/*; do
        printf 'fd=%s\n' "$(readlink "$fd")"
    done
} > "$sortie.tmp"
mv "$sortie.tmp" "$sortie"
