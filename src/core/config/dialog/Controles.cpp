#include "core/config/dialog/Controles.h"

#include <algorithm>

namespace pulsodex {

void CaseACocher::Cocher(bool coche) {
    if (coche == m_coche) {
        return;
    }
    m_coche = coche;
    if (Regle) {
        Regle();
    }
}

void BoutonRadio::Cocher() {
    if (m_groupe != nullptr) {
        m_groupe->Decocher(this);
    }
    if (m_coche) {
        return;
    }
    m_coche = true;
    if (Regle) {
        Regle();
    }
}

void GroupeRadio::Ajouter(BoutonRadio* bouton) {
    bouton->m_groupe = this;
    m_boutons.push_back(bouton);
}

void GroupeRadio::Decocher(const BoutonRadio* sauf) {
    for (BoutonRadio* b : m_boutons) {
        if (b != sauf) {
            b->m_coche = false;
        }
    }
}

void Curseur::FixerPosition(int position) {
    m_position = std::clamp(position, Min, Max);
    if (Regle) {
        Regle();
    }
}

} // namespace pulsodex
