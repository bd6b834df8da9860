#include "core/app/HistoriqueCpu.h"

#include "core/commun/Trace.h"

namespace pulsodex {

std::size_t HistoriqueCpu::Fenetre(std::uint8_t minutes, std::uint16_t rafraichissement) {
    if (rafraichissement == 0) {
        return 0;
    }
    return static_cast<std::size_t>(minutes) * 60000U / rafraichissement;
}

void HistoriqueCpu::Redimensionner(std::size_t capacite) {
    // Garde les plus récents qui tiennent.
    std::vector<std::uint8_t> nouveau(capacite);
    const std::size_t gardes = m_taille < capacite ? m_taille : capacite;
    m_somme = 0;
    for (std::size_t i = 0; i < gardes; ++i) {
        const std::uint8_t v = m_anneau[(m_debut + m_taille - gardes + i) % m_anneau.size()];
        nouveau[i] = v;
        m_somme += v;
    }
    m_anneau.swap(nouveau);
    m_debut = 0;
    m_taille = gardes;
}

std::uint8_t HistoriqueCpu::MoyenneCpu(std::uint8_t charge, std::uint8_t minutes,
                                       std::uint16_t rafraichissement) {
    TraceProcedure trace("TPulsodexForm.MoyenneCpu");
    const std::size_t n = Fenetre(minutes, rafraichissement);
    if (n == 0) {
        return charge;
    }
    if (m_anneau.size() != n) {
        Redimensionner(n);
    }
    if (m_taille == n) {
        // Fenêtre pleine : le plus ancien sort.
        m_somme -= m_anneau[m_debut];
        m_anneau[m_debut] = charge;
        m_debut = (m_debut + 1) % n;
    } else {
        m_anneau[(m_debut + m_taille) % n] = charge;
        ++m_taille;
    }
    m_somme += charge;
    return static_cast<std::uint8_t>(m_somme / m_taille);
}

} // namespace pulsodex
