// Les textes d'une valeur des réglages : booléens, énumérations, nombres,
// jours et mois, style de police. Chaque lecture donne une valeur de sa
// table, et ce qui est écrit pour elle se relit à l'identique.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ConfigEssai.h"
#include "Verifier.h"
#include "core/commun/Textes.h"
#include "core/config/Enumerations.h"
#include "core/config/JoursMois.h"

namespace {
using namespace pulsodex;

void Enumeree(const Enumeration& e, std::string_view texte) {
    const std::uint8_t valeur = LireEnumeration(e, texte);
    const std::string_view ecrit = EcrireEnumeration(e, valeur);
    if (!ecrit.empty()) {
        VERIFIER(LireEnumeration(e, ecrit) == valeur);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    static test::ConfigEssai essai;
    essai.Reg.WriteString("Essai", "Valeur", texte);

    const std::string majuscules = MajusculesAscii(texte);
    VERIFIER(essai.Config.MyReadBool("Essai", "Valeur", "Oui") ==
             (majuscules == "TRUE" || majuscules == "OUI"));

    const auto entier = LireEntierDecimal(texte);
    if (entier) {
        VERIFIER(LireEntierDecimal(std::to_string(*entier)) == entier);
    }
    const std::int64_t borne = essai.Reg.ReadBorne("Essai", "Valeur", 1000, 0, 65535);
    VERIFIER(borne >= 0 && borne <= 65535);
    const std::int32_t n = essai.Reg.ReadInteger("Essai", "Valeur", -7);
    VERIFIER(n == -7 || (entier && *entier == n));

    for (const Enumeration* e :
         {&enums::Demarrage, &enums::ModeAffichageMemoire, &enums::ModeRafraichissementHorloge, &enums::Bord,
          &enums::Organisation, &enums::Ressource, &enums::Unite, &enums::ModeLancement}) {
        Enumeree(*e, texte);
    }
    const std::uint8_t style = LireStylePolice(texte);
    VERIFIER(style <= (StyleGras | StyleItalique | StyleSouligne | StyleBarre));
    (void)EcrireStylePolice(style);

    const std::uint8_t jour = LireTexteJour(essai.Locale, texte);
    VERIFIER(jour <= 40);
    if (jour != 0) {
        VERIFIER(LireTexteJour(essai.Locale, TexteJour(essai.Locale, jour)) == jour);
    }
    const std::uint8_t mois = LireTexteMois(essai.Locale, texte);
    VERIFIER(mois <= 12);
    if (mois != 0) {
        VERIFIER(LireTexteMois(essai.Locale, TexteMois(essai.Locale, mois)) == mois);
    }

    const std::string utf8 = Utf8OuLatin1(texte);
    VERIFIER(Utf8OuLatin1(utf8) == utf8);
    const std::string court = TronquerCaracteres(utf8, 255);
    VERIFIER(NombreCaracteres(court) <= 255 && court.size() <= utf8.size());
    VERIFIER(utf8.starts_with(court));
    (void)MinusculesLatines(texte);
    return 0;
}
