// Un fichier de réglages entier (« [section] » puis « nom=valeur ») versé
// dans le registre en mémoire, puis chargé par le magasin : le chargement ne
// faillit jamais, et après une première sauvegarde, recharger et sauver
// encore ne change plus rien.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ConfigEssai.h"
#include "Verifier.h"

namespace {
using namespace pulsodex;

void Verser(std::string_view texte, Registre& reg) {
    std::string section;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        if (ligne.size() >= 2 && ligne.front() == '[' && ligne.back() == ']') {
            section = std::string(ligne.substr(1, ligne.size() - 2));
            for (char& c : section) {
                c = c == '/' ? '\\' : c;
            }
            continue;
        }
        const std::size_t egal = ligne.find('=');
        if (egal != std::string_view::npos) {
            reg.WriteString(section, ligne.substr(0, egal), ligne.substr(egal + 1));
        }
    }
}

void Charger(test::ConfigEssai& essai) {
    essai.Config.ChargeTout();
    VERIFIER(essai.Config.Avertissements.size() <= 255);
    VERIFIER(essai.Config.Evenements.size() <= 255);
    VERIFIER(essai.Config.ListeDisques.size() <= 4 * 255);
    (void)essai.Config.Charge_PositionTop();
    (void)essai.Config.Charge_PositionLeft();
    (void)essai.Config.Charge_Taille();
    for (int bande = -6; bande <= 27; ++bande) {
        (void)essai.Config.Charge_Break(bande);
        (void)essai.Config.Charge_Width(bande);
        (void)essai.Config.Charge_Ordre(bande);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    test::ConfigEssai essai;
    Verser(std::string_view(reinterpret_cast<const char*>(donnees), taille), essai.Reg);
    Charger(essai);
    essai.Config.SauveTout();
    const RegistreMemoire premier = essai.Reg;

    test::ConfigEssai relu;
    relu.Reg = premier;
    Charger(relu);
    relu.Config.SauveTout();
    VERIFIER(relu.Reg == premier);
    return 0;
}
