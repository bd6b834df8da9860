// Découpe des paramètres d'une tâche : chaque mot recollé entre apostrophes
// se redécoupe à l'identique.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "interfaces/linux/LanceurLinux.h"

namespace {
std::string Citer(const std::string& mot) {
    std::string cite = "'";
    for (const char c : mot) {
        if (c == '\'') {
            cite += "'\\''";
        } else {
            cite += c;
        }
    }
    return cite + "'";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto mots = pulsodex::DecouperParametres(texte);
    if (!mots) {
        return 0;
    }
    std::string recolle;
    for (const std::string& mot : *mots) {
        VERIFIER(mot.size() <= texte.size());
        recolle += Citer(mot) + ' ';
    }
    const auto encore = pulsodex::DecouperParametres(recolle);
    VERIFIER(encore && *encore == *mots);
    return 0;
}
