#include "core/config/Registre.h"

#include <limits>

#include "core/commun/Textes.h"

namespace pulsodex {

std::string Registre::ReadString(std::string_view section, std::string_view nom,
                                 std::string_view defaut) const {
    auto texte = Lire(section, nom);
    return texte ? *texte : std::string(defaut);
}

std::int32_t Registre::ReadInteger(std::string_view section, std::string_view nom,
                                   std::int32_t defaut) const {
    return static_cast<std::int32_t>(ReadBorne(section, nom, defaut, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Registre::ReadBorne(std::string_view section, std::string_view nom, std::int64_t defaut,
                                 std::int64_t minimum, std::int64_t maximum) const {
    auto texte = Lire(section, nom);
    if (!texte) {
        return defaut;
    }
    auto valeur = LireEntierDecimal(*texte);
    if (!valeur || *valeur < minimum || *valeur > maximum) {
        return defaut;
    }
    return *valeur;
}

void Registre::WriteInteger(std::string_view section, std::string_view nom, std::int64_t n) {
    Ecrire(section, nom, std::to_string(n));
}

bool Registre::ReadBool(std::string_view section, std::string_view nom, bool defaut) const {
    return ReadInteger(section, nom, defaut ? 1 : 0) != 0;
}

void Registre::WriteBool(std::string_view section, std::string_view nom, bool b) {
    Ecrire(section, nom, b ? "1" : "0");
}

std::string Sous(std::string_view section, std::string_view sousCle) {
    if (section.empty()) {
        return std::string(sousCle);
    }
    std::string chemin(section);
    chemin += '\\';
    chemin += sousCle;
    return chemin;
}

} // namespace pulsodex
