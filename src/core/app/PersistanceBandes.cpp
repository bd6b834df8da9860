#include "core/app/PersistanceBandes.h"

#include <algorithm>
#include <array>

#include "core/app/ModeleBandes.h"
#include "core/config/TConfig.h"

namespace pulsodex {

void RestaurerDisposition(ModeleBandes& modele, const TConfig& config, const std::vector<int>& cles) {
    std::array<int, TailleTableLargeurs> largeurs{};
    // Les bandes vont à leurs places gardées par places croissantes : chaque
    // déplacement laisse en place celles déjà posées avant lui, et l'ordre
    // d'un enregistrement revient exactement.
    std::vector<std::pair<int, int>> places; // (ordre, clé)
    for (int cle : cles) {
        const int indice = modele.Indice(cle);
        if (indice < 0) {
            continue;
        }
        const int ordre = config.Charge_Ordre(cle);
        if (ordre >= 0 && ordre < modele.Nombre()) {
            places.emplace_back(ordre, cle);
        }
        modele.A(indice).Rupture = config.Charge_Break(cle);
        // Un ordre hors de la table (disposition d'un autre temps) n'a pas de largeur.
        if (ordre + 1 >= 0 && ordre + 1 < TailleTableLargeurs) {
            largeurs[static_cast<std::size_t>(ordre + 1)] = config.Charge_Width(cle);
        }
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [ordre, cle] : places) {
        modele.Deplacer(modele.Indice(cle), ordre);
    }
    for (int position = 0; position < modele.Nombre() && position + 1 < TailleTableLargeurs; ++position) {
        const int largeur = largeurs[static_cast<std::size_t>(position + 1)];
        if (largeur > 0) {
            modele.A(position).Largeur = largeur;
        }
    }
}

void SauverDisposition(const ModeleBandes& modele, TConfig& config, const std::vector<int>& cles) {
    for (int cle : cles) {
        const int indice = modele.Indice(cle);
        if (indice >= 0) {
            config.Sauve_Emplacement(cle, modele.A(indice).Rupture, modele.A(indice).Largeur, indice);
        } else {
            config.Sauve_Emplacement(cle, false, 0, -1);
        }
    }
}

} // namespace pulsodex
