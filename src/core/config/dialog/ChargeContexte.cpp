// Remplissage des contrôles depuis les réglages.
#include "core/commun/LettresLecteurs.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/CouleursSysteme.h"
#include "core/config/dialog/Legendes.h"
#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex {

std::vector<std::pair<CaseACocher*, bool TConfig::*>> TOptionsForm::CasesDesReglages() {
    // Dans l'ordre du remplissage et de la recopie.
    return {
        {&DateCheck, &TConfig::Date},
        {&HeureCheck, &TConfig::Heure},
        {&MemCheck, &TConfig::Mem},
        {&RealMemCheck, &TConfig::MemPhysique},
        {&MemoryLoadCheck, &TConfig::MemoryLoad},
        {&CpuCheck, &TConfig::ChargeProcesseur},
        {&CpuMoyCheck, &TConfig::MoyenneChargeProcesseur},
        {&TotalCheck, &TConfig::TotalDisque},
        {&MemJaugeCheck, &TConfig::JaugeMem},
        {&RealMemJaugeCheck, &TConfig::JaugeMemPhysique},
        {&MemoryLoadJaugeCheck, &TConfig::JaugeMemoryLoad},
        {&CpuJaugeCheck, &TConfig::JaugeCpu},
        {&CpuMoyJaugeCheck, &TConfig::JaugeCpuMoy},
        {&DisqueJaugeCheck, &TConfig::JaugeDisque},
        {&MemJaugeInverseCheck, &TConfig::MemInverse},
        {&RealMemJaugeInverseCheck, &TConfig::MemPhysiqueInverse},
        {&MemoryLoadJaugeInverseCheck, &TConfig::MemoryLoadInverse},
        {&CpuJaugeInverseCheck, &TConfig::CpuInverse},
        {&CpuMoyJaugeInverseCheck, &TConfig::CpuMoyInverse},
        {&DisqueJaugeInverseCheck, &TConfig::DisqueInverse},
        {&RemplissageCheck, &TConfig::IndicateurRemplissageDisque},
        {&DemarrageCheck, &TConfig::DemarrageSysteme},
    };
}

RadiosCodes<Demarrage> TOptionsForm::RadiosDemarrage() {
    return {{&VisibleOption, Demarrage::Visible}, {&MasqueOption, Demarrage::Masquee}};
}

RadiosCodes<ModeAffichageMemoire> TOptionsForm::RadiosModeMemoire() {
    return {{&MemOctetOption, ModeAffichageMemoire::Octets},
            {&MemKiloOption, ModeAffichageMemoire::Ko},
            {&MemMegaOption, ModeAffichageMemoire::Mo}};
}

RadiosCodes<ModeRafraichissementHorloge> TOptionsForm::RadiosHorloge() {
    return {{&HorlogeMinuteOption, ModeRafraichissementHorloge::Minute},
            {&HorlogeSecondeOption, ModeRafraichissementHorloge::Seconde}};
}

std::vector<std::pair<Forme*, std::int32_t TConfig::*>> TOptionsForm::FormesDesReglages() {
    return {{&Shape1, &TConfig::Couleur61To100},         {&Shape2, &TConfig::Couleur41To60},
            {&Shape3, &TConfig::Couleur21To40},          {&Shape4, &TConfig::Couleur0To20},
            {&EcritureShape, &TConfig::CouleurEcriture}, {&SuppressionShape, &TConfig::CouleurSuppression}};
}

void TOptionsForm::Charge_Contexte() {
    TraceProcedure trace("TOptionsForm.Charge_Contexte");
    const TConfig& c = m_services.Config;
    for (const auto& [boite, reglage] : CasesDesReglages()) {
        boite->Cocher(c.*reglage);
    }

    CocherCode(RadiosDemarrage(), c.Demarrage);
    (c.AuDessus ? AuDessusOption : NormaleOption).Cocher();
    CocherCode(RadiosModeMemoire(), c.ModeAffichageMemoire);
    CocherCode(RadiosHorloge(), c.ModeRafraichissementHorloge);
    (c.OuvertureDisque == "open"      ? ShellOpenOption
     : c.OuvertureDisque == "explore" ? ShellExploreOption
                                      : ShellNoneOption)
        .Cocher();
    if (c.RepeterAvertir == -1) {
        JamaisRepeterOption.Cocher();
        NiceAvertissementBox.Texte.clear();
    } else {
        RepeterOption.Cocher();
        NiceAvertissementBox.Texte = std::to_string(c.RepeterAvertir);
    }
    (c.Organisation == Organisation::Manuelle ? ReorgManuelOption : ReorgAutoOption).Cocher();
    SonoreCheck.Cocher(c.Sons);

    for (const auto& [forme, reglage] : FormesDesReglages()) {
        forme->Couleur = c.*reglage;
    }

    ChaineDateBox.Texte = c.ChaineDate;
    ChaineHeureBox.Texte = c.ChaineHeure;
    RafraichissementBox.Texte = std::to_string(c.Rafraichissement);

    FontList.Selection = -1;
    for (std::size_t i = 0; i < FontList.Elements.size(); ++i) {
        if (EgalSansCasse(FontList.Elements[i], c.Fonte.Nom)) {
            FontList.Selection = static_cast<int>(i);
            break;
        }
    }
    TailleList.Selection = c.Fonte.Taille >= 4 && c.Fonte.Taille <= 24 ? c.Fonte.Taille - 4 : -1;
    CouleurTexteCombo.Selection = ChercheCouleurIndex(c.Fonte.Couleur);
    CouleurTexteShape.Couleur = c.Fonte.Couleur;
    StyleCombo.Selection = c.Fonte.Style == StyleItalique                 ? 1
                           : c.Fonte.Style == StyleGras                   ? 2
                           : c.Fonte.Style == (StyleGras | StyleItalique) ? 3
                                                                          : 0;
    FontListClick();
    TailleListClick();
    StyleComboChange();

    CouleurFondCombo.Selection = ChercheCouleurIndex(c.CouleurFond);
    CouleurFondShape.Couleur = c.CouleurFond;
    BordCombo.Selection = 0;
    for (int i = 0; i < static_cast<int>(std::size(BordsDuCombo)); ++i) {
        if (BordsDuCombo[static_cast<std::size_t>(i)].Valeur == c.Bord) {
            BordCombo.Selection = i;
        }
    }
    TransparenceCheck.Cocher(c.Transparence);
    TransparenceBar.FixerPosition(PositionDeTransparence(c.TauxTransparence));
    CpuMoyEdit.Texte = std::to_string(c.TempsMoyenneChargeProcesseur);

    for (std::uint8_t lecteur : m_services.LecteursPanneaux) {
        if (lecteur != 0) {
            DisqueBox.Texte += LettreDuLecteur(lecteur);
            DisqueBox.Texte += ' ';
        }
    }

    for (const TAvertissement& a : TempAvertissement) {
        if (a.Ressource != Ressource::Aucune) {
            AvertirList.Elements.push_back(Compile_Chaine_Ressource(a.Ressource, a.Disque, a.Seuil, a.Unite));
        }
    }
    for (const TEvenement& e : TempEvenement) {
        EvenementList.Elements.push_back(
            Compile_Chaine_Evenement(e.Type, e.Jour, e.Mois, e.Heure, e.Minute, m_services.Locale));
        EvenementList.Coches.push_back(e.Actif);
    }

    FontPanel.CouleurTexte = CouleurTexteShape.Couleur;
    FontPanel.CouleurFond = CouleurFondShape.Couleur;
    BordComboChange();

    MiseAJourCheck.Cocher(c.TestMiseAJour);
    ProxyCheck.Cocher(!c.Proxy.empty());
    ProxyEdit.Texte = c.Proxy;
    ProxyPortEdit.Texte = std::to_string(c.PortProxy);

    // Sans statistiques de performance sous Linux : les deux listes restent vides.
    CategorieList.Elements.clear();
    ElementList.Elements.clear();
}

} // namespace pulsodex
