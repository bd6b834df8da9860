#include "core/app/DisquesFenetre.h"

#include "core/app/Lecteurs.h"

namespace pulsodex {

void DisquesFenetre::Creer(std::string_view liste, bool total, bool avecActivite, SondeDisques& sonde,
                           const FormatNombres& format) {
    Vider();
    const std::vector<std::uint8_t> lecteurs = LecteursListes(liste, total);
    m_total = total && !lecteurs.empty();
    int emplacement = m_total ? 2 : 1;
    m_disques.resize(lecteurs.size() + (m_total ? 1 : 0));
    for (const std::uint8_t lecteur : lecteurs) {
        m_disques[static_cast<std::size_t>(emplacement - 1)] =
            std::make_unique<TDisque>(emplacement, lecteur, avecActivite, sonde, format);
        m_lecteurs.push_back(m_disques[static_cast<std::size_t>(emplacement - 1)].get());
        ++emplacement;
    }
    if (m_total) {
        m_disques[0] = std::make_unique<TDisque>(1, 0, avecActivite, sonde, format);
    }
    m_actions.resize(m_disques.size());
}

void DisquesFenetre::Vider() {
    m_disques.clear();
    m_lecteurs.clear();
    m_actions.clear();
    m_total = false;
}

TDisque* DisquesFenetre::Disque(int emplacement) const {
    return emplacement >= 1 && emplacement <= Nombre()
               ? m_disques[static_cast<std::size_t>(emplacement - 1)].get()
               : nullptr;
}

const std::vector<ActionsDisque>& DisquesFenetre::Traiter(SondeDisques& sonde, bool indicateur,
                                                          const FormatNombres& format) {
    const std::size_t premier = m_total ? 1 : 0;
    for (std::size_t i = premier; i < m_disques.size(); ++i) {
        m_actions[i] = Traite_Disque(*m_disques[i], sonde, indicateur, format);
    }
    if (m_total) {
        m_actions[0] = TotaliserDisques(*m_disques[0], m_lecteurs, indicateur, format);
    }
    return m_actions;
}

} // namespace pulsodex
