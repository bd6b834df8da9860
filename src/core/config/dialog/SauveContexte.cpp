// Recopie des contrôles dans les réglages.
#include <algorithm>

#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex {

bool TOptionsForm::Sauve_Contexte() {
    TraceProcedure trace("TOptionsForm.Sauve_Contexte");
    TConfig& c = m_services.Config;
    // Toutes les zones numériques d'abord : rien n'est recopié à moitié.
    if (!VerifierZonesNumeriques()) {
        return false;
    }

    for (const auto& [boite, reglage] : CasesDesReglages()) {
        c.*reglage = boite->Coche();
    }
    c.AuDessus = AuDessusOption.Coche();
    c.Demarrage = CodeCoche(RadiosDemarrage(), Demarrage::Visible);
    c.ModeAffichageMemoire = CodeCoche(RadiosModeMemoire(), ModeAffichageMemoire::Octets);
    c.ModeRafraichissementHorloge = CodeCoche(RadiosHorloge(), ModeRafraichissementHorloge::Minute);
    c.RepeterAvertir =
        JamaisRepeterOption.Coche()
            ? -1
            : static_cast<std::int32_t>(LireEntierDecimal(NiceAvertissementBox.Texte).value_or(60));
    c.OuvertureDisque = ShellOpenOption.Coche() ? "open" : ShellExploreOption.Coche() ? "explore" : "";
    if (ReorgManuelOption.Coche()) {
        c.Organisation = Organisation::Manuelle;
    } else if (c.Organisation == Organisation::Manuelle) {
        c.Organisation = Organisation::Avancee;
    }
    c.Sons = SonoreCheck.Coche();

    c.ChaineDate = TronquerCaracteres(ChaineDateBox.Texte, 255);
    c.ChaineHeure = TronquerCaracteres(ChaineHeureBox.Texte, 255);
    c.Rafraichissement = static_cast<std::uint16_t>(*LireEntierDecimal(RafraichissementBox.Texte));

    c.Fonte.Nom = FontPanel.Fonte.Nom;
    c.Fonte.Style = FontPanel.Fonte.Style;
    c.Fonte.Taille = FontPanel.Fonte.Taille;
    c.Fonte.Couleur = CouleurTexteShape.Couleur;
    c.CouleurFond = CouleurFondShape.Couleur;
    c.Bord = BordChoisi();

    for (const auto& [forme, reglage] : FormesDesReglages()) {
        c.*reglage = forme->Couleur;
    }
    c.Transparence = TransparenceCheck.Coche();
    c.TauxTransparence = TauxDeTransparence(TransparenceBar.Position());
    c.TempsMoyenneChargeProcesseur = static_cast<std::uint8_t>(*LireEntierDecimal(CpuMoyEdit.Texte));
    c.ListeDisques = TronquerCaracteres(MajusculesAscii(DisqueBox.Texte), 255);
    c.TestMiseAJour = MiseAJourCheck.Coche();
    if (ProxyCheck.Coche()) {
        c.Proxy = ProxyEdit.Texte;
        c.PortProxy = static_cast<std::int32_t>(*LireEntierDecimal(ProxyPortEdit.Texte));
    } else {
        c.Proxy.clear();
    }

    // Les listes sont remises, pas copiées.
    c.Avertissements = std::move(TempAvertissement);
    c.Evenements = std::move(TempEvenement);
    TempAvertissement.clear();
    TempEvenement.clear();
    return true;
}

} // namespace pulsodex
