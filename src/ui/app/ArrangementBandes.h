#pragma once
// Les arrangements des bandes (en ligne, en colonne, avancé), une fois à la
// main ou à chaque changement de largeur, et le choix de l'arrangement
// automatique, coché dans le menu et enregistré.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/commun/Codes.h"

namespace pulsodex {

class CoolBar;
class MenuOutils;
class TConfig;

class ArrangementBandes {
public:
    // enConstruction : posé pendant un arrangement (le redimensionnement
    // n'arrange rien pendant ce temps) ; ajuster : la hauteur de la fenêtre
    // suit celle de la barre.
    ArrangementBandes(CoolBar& barre, MenuOutils& menu, bool& enConstruction, std::function<void()> ajuster);

    // Manuelle : rien. cles : l'ordre canonique.
    void Arranger(Organisation organisation, const std::vector<int>& cles);
    // « Réorganisation manuelle » : une fois, et plus d'arrangement automatique.
    void Manuel(TConfig& config, Organisation organisation, const std::vector<int>& cles);
    // « Réorganisation automatique » : choisie, ou retirée si elle l'était déjà.
    void Automatique(TConfig& config, Organisation organisation, const std::vector<int>& cles);

private:
    void Choisir(TConfig& config, Organisation organisation);

    CoolBar& m_barre;
    MenuOutils& m_menu;
    bool& m_enConstruction;
    std::function<void()> m_ajuster;
};

} // namespace pulsodex
