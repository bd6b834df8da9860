#include "DispositionBandes.h"

#include <algorithm>

namespace pulsodex {

Disposition Disposer(const std::vector<Bande>& bandes, int largeurConteneur) {
    Disposition d;
    d.Placements.resize(bandes.size());
    // Rangées : indices des bandes visibles.
    std::vector<std::vector<std::size_t>> rangees;
    for (std::size_t i = 0; i < bandes.size(); ++i) {
        if (!bandes[i].Visible) {
            continue;
        }
        if (rangees.empty() || bandes[i].Rupture) {
            rangees.emplace_back();
        }
        rangees.back().push_back(i);
    }
    int haut = 0;
    for (const auto& rangee : rangees) {
        int hauteur = 0;
        for (std::size_t i : rangee) {
            hauteur = std::max({hauteur, bandes[i].Hauteur, bandes[i].HauteurMin});
        }
        int gauche = 0;
        for (std::size_t n = 0; n < rangee.size(); ++n) {
            const Bande& b = bandes[rangee[n]];
            const bool derniere = n + 1 == rangee.size();
            int largeur = derniere ? largeurConteneur - gauche : b.Largeur;
            largeur = std::max(largeur, LargeurMinBande);
            d.Placements[rangee[n]] = {gauche, haut, largeur, hauteur, true};
            gauche += largeur;
        }
        haut += hauteur;
    }
    d.Hauteur = haut;
    return d;
}

} // namespace pulsodex
