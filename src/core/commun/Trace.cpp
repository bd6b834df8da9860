#include "core/commun/Trace.h"

#include <algorithm>

namespace pulsodex {

void TexteTrace::Fixer(std::string_view texte) noexcept {
    std::size_t n = std::min(texte.size(), TraceLongueurMax);
    // Ne jamais couper au milieu d'un caractère UTF-8.
    while (n > 0 && n < texte.size() && (static_cast<unsigned char>(texte[n]) & 0xC0U) == 0x80U) {
        --n;
    }
    std::copy_n(texte.data(), n, m_octets.data());
    m_longueur = n;
}

TexteTrace& Trace() noexcept {
    thread_local TexteTrace trace;
    return trace;
}

TraceProcedure::TraceProcedure(std::string_view nom) noexcept
    : m_sauvegarde(Trace()), m_exceptions(std::uncaught_exceptions()) {
    Trace().Fixer(nom);
}

TraceProcedure::~TraceProcedure() {
    if (std::uncaught_exceptions() == m_exceptions) {
        Trace() = m_sauvegarde;
    }
}

} // namespace pulsodex
