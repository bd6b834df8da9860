#pragma once
// Les lettres des lecteurs : chaque lettre désigne un point de montage ou un
// dossier (C = /). La carte est gardée dans la section « Lecteurs » des réglages.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/commun/LettresLecteurs.h"
#include "core/probes/Montages.h"

namespace pulsodex {

class Registre;

inline constexpr std::string_view SectionLecteurs = "Lecteurs";

class CarteLecteurs {
public:
    // Le chemin du lecteur (1 = A .. 26 = Z) ; vide quand il n'en a pas.
    [[nodiscard]] const std::string& Chemin(std::uint8_t lecteur) const;
    [[nodiscard]] const std::string& CheminLettre(char lettre) const;
    // Le chemin est normalisé ; un chemin qui n'est pas absolu retire la lettre.
    void Fixer(char lettre, std::string_view chemin);
    void Retirer(char lettre) { Fixer(lettre, {}); }
    // La lettre qui a déjà ce chemin, sinon la prochaine lettre libre (C à Z,
    // puis A et B), qui le reçoit. Rien pour un chemin invalide ou sans lettre libre.
    std::optional<char> Attribuer(std::string_view chemin);
    // « C: / », « D: /home »… dans l'ordre des lettres, pour le choix des lecteurs.
    [[nodiscard]] std::vector<std::string> Libelles() const;
    bool operator==(const CarteLecteurs&) const = default;

private:
    std::array<std::string, NombreLecteurs> m_chemins;
};

// Les montages réels, chacun une fois, dans l'ordre de montage, la racine comprise :
// ceux qu'on propose pour une lettre.
std::vector<Montage> MontagesProposes(const std::vector<Montage>& montes);
// Carte du premier lancement : C = /, puis D, E… aux autres montages réels.
CarteLecteurs CarteInitiale(const std::vector<Montage>& montes);

// Lit la section ; les noms qui ne sont pas une lettre sont ignorés.
CarteLecteurs LireLecteurs(const Registre& registre);
// Réécrit la section entière.
void EcrireLecteurs(Registre& registre, const CarteLecteurs& carte);
// La carte des réglages ; sans section « Lecteurs », la carte initiale, écrite
// une fois pour toutes.
CarteLecteurs ChargerLecteurs(Registre& registre, const std::vector<Montage>& montes);

} // namespace pulsodex
