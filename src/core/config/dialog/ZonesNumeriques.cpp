// Les zones numériques : vérifiées à la sortie et avant toute recopie.
#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/TOptionsForm.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

void TOptionsForm::MontrerErreur(const std::string& texte, ZoneTexte& zone, const std::string& remise) {
    m_services.Boites.Boite(texte, produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
    zone.Texte = remise;
    DonnerFocus(zone);
}

bool TOptionsForm::VerifierZone(ZoneTexte& zone, std::int64_t min, std::int64_t max,
                                const std::string& horsBornes, const std::string& remise) {
    const auto valeur = LireEntierDecimal(zone.Texte);
    if (!valeur) {
        MontrerErreur(TexteEntierIncorrect, zone, remise);
        return false;
    }
    if (*valeur < min || *valeur > max) {
        MontrerErreur(horsBornes, zone, remise);
        return false;
    }
    return true;
}

bool TOptionsForm::VerifierZonesNumeriques() {
    const TConfig& c = m_services.Config;
    return VerifierZone(RafraichissementBox, 1, 65535, TexteRafraichissementInvalide, "1000") &&
           VerifierZone(CpuMoyEdit, 0, 255, TexteEntierIncorrect,
                        std::to_string(c.TempsMoyenneChargeProcesseur)) &&
           (!RepeterOption.Coche() ||
            VerifierZone(NiceAvertissementBox, 0, 127, "Valeur de répétition invalide (0 à 127).",
                         c.RepeterAvertir >= 0 ? std::to_string(c.RepeterAvertir) : "")) &&
           (!ProxyCheck.Coche() ||
            VerifierZone(ProxyPortEdit, 1, 65535, "Numéro de port invalide (1 à 65535).",
                         std::to_string(c.PortProxy)));
}

void TOptionsForm::RafraichissementBoxSortie() {
    VerifierZone(RafraichissementBox, 1, 65535, TexteRafraichissementInvalide, "1000");
}

void TOptionsForm::NiceAvertissementBoxEntree() {
    RepeterOption.Cocher();
}

void TOptionsForm::NiceAvertissementBoxSortie() {
    if (NiceAvertissementBox.Texte.empty()) {
        JamaisRepeterOption.Cocher();
    }
}

void TOptionsForm::RepeterOptionEntree() {
    DonnerFocus(NiceAvertissementBox);
}

} // namespace pulsodex
