#pragma once
// Moyenne glissante de la charge du processeur sur quelques minutes.
#include <cstdint>
#include <vector>

namespace pulsodex {

class HistoriqueCpu {
public:
    // Ajoute l'échantillon et rend la moyenne (tronquée) des N derniers, où
    // N = minutes × 60000 div rafraichissement. N nul (ou période nulle) :
    // la moyenne est l'échantillon seul.
    std::uint8_t MoyenneCpu(std::uint8_t charge, std::uint8_t minutes, std::uint16_t rafraichissement);
    [[nodiscard]] std::size_t Longueur() const { return m_taille; }

    static std::size_t Fenetre(std::uint8_t minutes, std::uint16_t rafraichissement);

private:
    void Redimensionner(std::size_t capacite);

    // Anneau : m_taille échantillons à partir de m_debut ; somme tenue à jour.
    std::vector<std::uint8_t> m_anneau;
    std::size_t m_debut = 0;
    std::size_t m_taille = 0;
    std::uint64_t m_somme = 0;
};

} // namespace pulsodex
