#include "core/config/RegistreMemoire.h"

namespace pulsodex {

std::optional<std::string> RegistreMemoire::Lire(std::string_view section, std::string_view nom) const {
    auto s = m_sections.find(section);
    if (s == m_sections.end()) {
        return std::nullopt;
    }
    auto v = s->second.find(nom);
    if (v == s->second.end()) {
        return std::nullopt;
    }
    return v->second;
}

void RegistreMemoire::Ecrire(std::string_view section, std::string_view nom, std::string_view texte) {
    if (m_protege) {
        return;
    }
    auto s = m_sections.find(section);
    if (s == m_sections.end()) {
        s = m_sections.emplace(std::string(section), std::map<std::string, std::string, std::less<>>{}).first;
    }
    s->second.insert_or_assign(std::string(nom), std::string(texte));
}

void RegistreMemoire::EffacerSection(std::string_view section) {
    if (m_protege) {
        return;
    }
    const std::string prefixe = std::string(section) + '\\';
    for (auto it = m_sections.begin(); it != m_sections.end();) {
        if (it->first == section || it->first.starts_with(prefixe)) {
            it = m_sections.erase(it);
        } else {
            ++it;
        }
    }
}

bool RegistreMemoire::SectionExiste(std::string_view section) const {
    const std::string prefixe = std::string(section) + '\\';
    for (const auto& [nom, valeurs] : m_sections) {
        if (nom == section || nom.starts_with(prefixe)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> RegistreMemoire::NomsValeurs(std::string_view section) const {
    std::vector<std::string> noms;
    auto s = m_sections.find(section);
    if (s != m_sections.end()) {
        for (const auto& [nom, texte] : s->second) {
            noms.push_back(nom);
        }
    }
    return noms;
}

std::size_t RegistreMemoire::NombreValeurs() const {
    std::size_t n = 0;
    for (const auto& [nom, valeurs] : m_sections) {
        n += valeurs.size();
    }
    return n;
}

} // namespace pulsodex
