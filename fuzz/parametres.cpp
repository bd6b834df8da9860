// Découpe des paramètres d'une tâche : chaque mot recité entre guillemets,
// à la manière des programmes Windows, se redécoupe à l'identique.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "linux/LanceurLinux.h"

namespace {
std::string Citer(const std::string& mot) {
    std::string cite = "\"";
    std::size_t barres = 0;
    for (const char c : mot) {
        if (c == '\\') {
            ++barres;
            continue;
        }
        // Les barres devant un guillemet sont doublées, et le guillemet protégé.
        cite.append(c == '"' ? barres * 2 + 1 : barres, '\\');
        barres = 0;
        cite += c;
    }
    cite.append(barres * 2, '\\');
    return cite + "\"";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto mots = pulsodex::DecouperParametres(texte);
    std::string recolle;
    for (const std::string& mot : mots) {
        VERIFIER(mot.size() <= texte.size());
        recolle += Citer(mot) + ' ';
    }
    VERIFIER(pulsodex::DecouperParametres(recolle) == mots);
    return 0;
}
