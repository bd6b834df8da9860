// Des octets quelconques pris pour le fichier des réglages, chargés puis
// sauvés par le magasin : rien ne faillit ; ce qui s'en lit se réécrit et se
// relit à l'identique ; un contenu qui ne se lit pas
// proprement est gardé tel quel dans une copie et signalé avant toute
// écriture ; après la sauvegarde, le fichier se lit proprement, et le
// recharger puis le sauver encore ne le change plus.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ConfigEssai.h"
#include "Verifier.h"
#include "core/config/FichierIni.h"

namespace {
using namespace pulsodex;
using namespace pulsodex::test;

struct Magasin : ConfigFichierEssai {
    using ConfigFichierEssai::ConfigFichierEssai;

    // Chargé puis tout sauvé ; le contenu du fichier ensuite.
    std::string ChargerSauver() {
        Config.ChargeTout();
        VERIFIER(Config.Avertissements.size() <= 255);
        VERIFIER(Config.Evenements.size() <= 255);
        VERIFIER(Config.ListeDisques.size() <= 4 * 255);
        for (int bande = -6; bande <= 27; ++bande) {
            (void)Config.Charge_Break(bande);
            (void)Config.Charge_Width(bande);
            (void)Config.Charge_Ordre(bande);
        }
        Config.SauveTout();
        VERIFIER(Config.Enregistrer());
        return Stockage.Octets.value_or("");
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    // Ce qui se lit se réécrit, puis se relit proprement et à l'identique.
    const LectureIni lue = LireIni(contenu);
    const LectureIni relue = LireIni(EcrireIni(lue.Valeurs));
    VERIFIER(relue.Abimees.empty() && relue.Valeurs == lue.Valeurs);
    const bool propre = lue.Abimees.empty();

    Magasin premier(contenu);
    VERIFIER(premier.Stockage.Copies.size() == (propre ? 0U : 1U));
    VERIFIER(propre || premier.Stockage.Copies.begin()->second == contenu);
    // Rien n'est écrit sur un contenu abîmé avant l'avis.
    VERIFIER(premier.Reg.Synchroniser() == propre);
    VERIFIER(premier.Stockage.Octets == contenu);
    const std::string ecrit = premier.ChargerSauver();
    VERIFIER(propre || premier.Boites.Montrees.front().Texte.starts_with("Le fichier des réglages « "));
    VERIFIER(LireIni(ecrit).Abimees.empty());

    Magasin second(ecrit);
    VERIFIER(second.ChargerSauver() == ecrit);
    VERIFIER(second.Boites.Montrees.empty() && second.Stockage.Copies.empty());
    return 0;
}
