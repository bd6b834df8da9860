#pragma once
// Les lecteurs de la fenêtre, par emplacement : l'emplacement 1 est le total
// quand il est montré, les lecteurs de la liste suivent dans son ordre.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/app/Disque.h"

namespace pulsodex {

class SondeDisques;
struct FormatNombres;

class DisquesFenetre {
public:
    // Les modèles des lecteurs de la liste (lettres majuscules, jusqu'à
    // l'emplacement 27), et du total quand il est demandé.
    void Creer(std::string_view liste, bool total, bool avecActivite, SondeDisques& sonde,
               const FormatNombres& format);
    void Vider();

    [[nodiscard]] int Nombre() const { return static_cast<int>(m_disques.size()); }
    // Nul hors de 1 à Nombre().
    [[nodiscard]] TDisque* Disque(int emplacement) const;
    [[nodiscard]] bool AvecTotal() const { return m_total; }

    // Un tic : chaque lecteur dans l'ordre des emplacements, puis le total,
    // somme de ceux qui répondent. Les actions de l'emplacement e sont à
    // l'indice e - 1 (sans allocation une fois créés).
    const std::vector<ActionsDisque>& Traiter(SondeDisques& sonde, bool indicateur,
                                              const FormatNombres& format);

private:
    std::vector<std::unique_ptr<TDisque>> m_disques; // emplacement e à l'indice e - 1
    std::vector<const TDisque*> m_lecteurs;          // ceux que le total additionne
    std::vector<ActionsDisque> m_actions;
    bool m_total = false;
};

} // namespace pulsodex
