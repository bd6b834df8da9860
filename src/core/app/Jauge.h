#pragma once
// Règles de dessin des jauges : couleur et longueur de la barre, place de la
// légende, couleur du témoin d'activité.
#include <cstdint>
#include <string>

#include "core/app/Disque.h"

namespace pulsodex {

class TConfig;
struct Echantillons;
struct FormatNombres;

struct Barre {
    std::int32_t Couleur = 0;
    int Longueur = 0; // pixels colorés depuis la gauche ; le reste prend le fond
    friend bool operator==(const Barre&, const Barre&) = default;
};

// La couleur vient du pourcentage avant l'inversion.
Barre CalculerBarre(std::uint8_t pourcent, bool inverse, int largeur, const TConfig& config);

struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Légende centrée : (largeur + 1 - largeur du texte) div 2, de même en hauteur.
Point PositionLegende(int largeur, int hauteur, int largeurTexte, int hauteurTexte);

// Témoin : au repos, la couleur du fond.
std::int32_t CouleurActivite(Activite mode, const TConfig& config);

// Ce que montre une jauge fixe.
struct ContenuJauge {
    std::uint8_t Pourcent = 0;
    bool Inverse = false;
    std::string Legende;
};

enum class JaugeFixe { Mem, RealMem, MemoryLoad, Cpu, CpuMoy };

ContenuJauge Contenu(JaugeFixe jauge, const TConfig& config, const Echantillons& echantillons,
                     const FormatNombres& format);

} // namespace pulsodex
