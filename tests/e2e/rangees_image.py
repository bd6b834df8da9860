#!/usr/bin/env python3
"""Empreinte de rangées de pixels d'une image XWD (sortie de « xwd -id »).

Usage : rangees_image.py IMAGE.xwd HAUT BAS
Écrit l'empreinte MD5 des rangées HAUT à BAS (comprises) : deux images dont
une bande a changé n'ont pas la même empreinte pour ses rangées.
"""
import hashlib
import struct
import sys


def main() -> int:
    chemin, haut, bas = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    with open(chemin, "rb") as f:
        donnees = f.read()
    entete = struct.unpack(">25I", donnees[:100])
    taille_entete, hauteur, octets_ligne, couleurs = entete[0], entete[5], entete[12], entete[19]
    debut = taille_entete + couleurs * 12
    bas = min(bas, hauteur - 1)
    if haut > bas:
        print("rangées hors de l'image", file=sys.stderr)
        return 1
    morceau = donnees[debut + haut * octets_ligne : debut + (bas + 1) * octets_ligne]
    print(hashlib.md5(morceau).hexdigest())
    return 0


if __name__ == "__main__":
    sys.exit(main())
