#include "core/config/dialog/TOptionsForm.h"

#include <algorithm>
#include <cmath>

#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/JoursMois.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/CouleursSysteme.h"
#include "core/config/dialog/Legendes.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

namespace {
int ArrondiPair(double v) {
    return static_cast<int>(std::nearbyint(v));
}

void Etat(Controle& c, bool actif) {
    c.Active = actif;
}
} // namespace

TOptionsForm::TOptionsForm(ServicesOptions services) : m_services(std::move(services)) {
    TraceProcedure trace("TOptionsForm.FormCreate");
    CreerGroupes();
    Titre = "Configuration de " + std::string(produit::Titre);
    PageActive = 0;
    OngletsVisibles = {true, true, false, true, true, true, false, true};

    // États de conception.
    for (BoutonRadio* b :
         {&VisibleOption, &NormaleOption, &MemOctetOption, &HorlogeMinuteOption, &ShellOpenOption,
          &JamaisRepeterOption, &ReorgAutoOption, &MemOption, &PourcentOption, &AvertirHeureOption}) {
        b->Cocher();
    }
    for (Controle* c : std::initializer_list<Controle*>{&MemJaugeCheck,
                                                        &RealMemJaugeCheck,
                                                        &MemoryLoadJaugeCheck,
                                                        &CpuJaugeCheck,
                                                        &CpuMoyJaugeCheck,
                                                        &MemJaugeInverseCheck,
                                                        &RealMemJaugeInverseCheck,
                                                        &MemoryLoadJaugeInverseCheck,
                                                        &CpuJaugeInverseCheck,
                                                        &CpuMoyJaugeInverseCheck,
                                                        &DisqueJaugeInverseCheck,
                                                        &CpuMoyEdit,
                                                        &EcritureShape,
                                                        &SuppressionShape,
                                                        &EcritureLabel,
                                                        &SuppressionLabel,
                                                        &TransparenceBar,
                                                        &TransparenceLabel,
                                                        &ProxyEdit,
                                                        &ProxyPortEdit,
                                                        &ProxyLabel,
                                                        &ProxyPortLabel}) {
        c->Active = false;
    }
    CpuMoyEdit.LongueurMax = 2;
    DisqueBox.LongueurMax = 52;
    ChaineDateBox.LongueurMax = 20;
    ChaineHeureBox.LongueurMax = 20;
    RafraichissementBox.LongueurMax = 5;
    NiceAvertissementBox.LongueurMax = 4;
    // Cinq chiffres : tous les ports (1 à 65535) doivent pouvoir s'écrire.
    ProxyPortEdit.LongueurMax = 5;
    EcritureLabel.Texte = "Ecriture";
    SuppressionLabel.Texte = "Suppression";
    TransparenceLabel.Texte = "0 %";
    ProxyLabel.Texte = "Serveur proxy pour le web (HTTP) :";
    ProxyPortLabel.Texte = "Numéro de port :";
    NoteConfidentialite =
        "Lors de la vérification de mise à jour, aucune n'information sensible n'est transférée "
        "sur le réseau Internet. Ce test récupère simplement le numéro de la nouvelle version à "
        "partir d'un fichier HTML du site " +
        std::string(produit::HoteMiseAJour);
    FontPanel.Fonte = Police{};

    // Page des avertissements : tout désactivé tant qu'aucune règle n'est choisie.
    AvertissementEnabled(false);
    SeuilBox.Texte = "0";
    SeuilBox.LongueurMax = 2;
    // Page de l'agenda.
    EvenementEnabled(false);
    AvertirHeureBox.Texte = "00:00";
    AvertirHeureBox.LongueurMax = 5;
    AvertirRepeterBox.Texte = "00";
    AvertirRepeterBox.LongueurMax = 2;

    // Création.
    JourList.Elements = ChoixJours(m_services.Locale);
    MoisList.Elements = ChoixMois(m_services.Locale);
    FontList.Elements = m_services.Polices;
    std::sort(FontList.Elements.begin(), FontList.Elements.end());
    for (int taille = 4; taille <= 24; ++taille) {
        TailleList.Elements.push_back(std::to_string(taille));
    }
    StyleCombo.Elements = {"Standard", "Italique", "Gras", "Gras italique"};
    BordCombo.Elements = {"Aucun", "3D Enfoncé", "3D Relevé"};
    for (Liste* combo : {&CouleurTexteCombo, &CouleurFondCombo}) {
        combo->Elements.emplace_back("Personnalisé");
        for (const CouleurNommee& c : CouleursSysteme) {
            combo->Elements.emplace_back(c.Nom);
        }
        combo->Selection = 0;
    }
    for (Controle* c :
         std::initializer_list<Controle*>{&TransparenceCheck, &TransparenceBar, &TransparenceLabel}) {
        c->Visible = m_services.Windows2000;
    }
    RemplirLecteurs();
    TempAvertissement.reserve(m_services.Config.Avertissements.size());
    for (const TAvertissement& a : m_services.Config.Avertissements) {
        TAvertissement AvertissementCourant;
        AvertissementCourant.Copy(a);
        TempAvertissement.push_back(AvertissementCourant);
    }
    TempEvenement.reserve(m_services.Config.Evenements.size());
    for (const TEvenement& e : m_services.Config.Evenements) {
        TEvenement EvenementCourant;
        EvenementCourant.Copy(e);
        TempEvenement.push_back(EvenementCourant);
    }
    RemplissageEnCours = false;
    LierRegles();
    Charge_Contexte();
}

void TOptionsForm::CreerGroupes() {
    const std::vector<std::vector<BoutonRadio*>> groupes = {
        {&VisibleOption, &MasqueOption},
        {&ReorgManuelOption, &ReorgAutoOption},
        {&NormaleOption, &AuDessusOption},
        {&MemOctetOption, &MemKiloOption, &MemMegaOption},
        {&ShellNoneOption, &ShellOpenOption, &ShellExploreOption},
        {&HorlogeMinuteOption, &HorlogeSecondeOption},
        {&JamaisRepeterOption, &RepeterOption},
        {&MemOption, &RealMemOption, &MemoryLoadOption, &DisqueOption},
        {&PourcentOption, &OctetOption, &KiloOption, &MegaOption},
        {&AvertirLancementOption, &AvertirHeureOption, &AvertirRepeterOption},
    };
    for (const auto& boutons : groupes) {
        auto groupe = std::make_unique<GroupeRadio>();
        for (BoutonRadio* b : boutons) {
            groupe->Ajouter(b);
        }
        m_groupes.push_back(std::move(groupe));
    }
}

void TOptionsForm::ActiverSelon(const CaseACocher& interrupteur,
                                std::initializer_list<Controle*> dependants) {
    for (Controle* c : dependants) {
        c->Active = interrupteur.Coche();
    }
}

void TOptionsForm::LierRegles() {
    // Interrupteurs : leurs dépendants suivent, en gardant leurs coches.
    MemCheck.Regle = [this] {
        ActiverSelon(MemCheck, {&MemJaugeCheck, &MemJaugeInverseCheck});
    };
    RealMemCheck.Regle = [this] {
        ActiverSelon(RealMemCheck, {&RealMemJaugeCheck, &RealMemJaugeInverseCheck});
    };
    MemoryLoadCheck.Regle = [this] {
        ActiverSelon(MemoryLoadCheck, {&MemoryLoadJaugeCheck, &MemoryLoadJaugeInverseCheck});
    };
    CpuCheck.Regle = [this] {
        ActiverSelon(CpuCheck, {&CpuJaugeCheck, &CpuJaugeInverseCheck});
    };
    CpuMoyCheck.Regle = [this] {
        ActiverSelon(CpuMoyCheck, {&CpuMoyJaugeCheck, &CpuMoyJaugeInverseCheck, &CpuMoyEdit});
    };
    DisqueJaugeCheck.Regle = [this] {
        ActiverSelon(DisqueJaugeCheck, {&DisqueJaugeInverseCheck});
    };
    RemplissageCheck.Regle = [this] {
        ActiverSelon(RemplissageCheck,
                     {&EcritureShape, &SuppressionShape, &EcritureLabel, &SuppressionLabel});
    };
    TransparenceCheck.Regle = [this] {
        ActiverSelon(TransparenceCheck, {&TransparenceBar, &TransparenceLabel});
    };
    ProxyCheck.Regle = [this] {
        ActiverSelon(ProxyCheck, {&ProxyEdit, &ProxyPortEdit, &ProxyLabel, &ProxyPortLabel});
    };
    TransparenceBar.Regle = [this] {
        TransparenceLabel.Texte = std::to_string(TransparenceBar.Position()) + " %";
    };
    LierReglesMessages();
    LierReglesAgenda();
}

// --- Remplissage et recopie ---

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

    if (c.Demarrage == 0) {
        VisibleOption.Cocher();
    } else if (c.Demarrage == 1) {
        MasqueOption.Cocher();
    }
    (c.AuDessus ? AuDessusOption : NormaleOption).Cocher();
    BoutonRadio* modes[] = {&MemOctetOption, &MemKiloOption, &MemMegaOption};
    if (c.ModeAffichageMemoire >= 1 && c.ModeAffichageMemoire <= 3) {
        modes[c.ModeAffichageMemoire - 1]->Cocher();
    }
    if (c.ModeRafraichissementHorloge == 1) {
        HorlogeMinuteOption.Cocher();
    } else if (c.ModeRafraichissementHorloge == 2) {
        HorlogeSecondeOption.Cocher();
    }
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
    (c.Organisation == 0 ? ReorgManuelOption : ReorgAutoOption).Cocher();
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
    BordCombo.Selection = c.Bord <= 2 ? c.Bord : 0;
    TransparenceCheck.Cocher(c.Transparence);
    TransparenceBar.FixerPosition(100 - ArrondiPair(c.TauxTransparence * 100.0 / 255.0));
    CpuMoyEdit.Texte = std::to_string(c.TempsMoyenneChargeProcesseur);

    for (std::uint8_t lecteur : m_services.LecteursPanneaux) {
        if (lecteur != 0) {
            DisqueBox.Texte += static_cast<char>(lecteur + 64);
            DisqueBox.Texte += ' ';
        }
    }

    for (const TAvertissement& a : TempAvertissement) {
        if (a.Ressource != 0) {
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

void TOptionsForm::MontrerErreur(const std::string& texte, ZoneTexte& zone, const std::string& nomZone,
                                 const std::string& remise) {
    m_services.Boites.Boite(texte, produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
    zone.Texte = remise;
    Focus = nomZone;
}

bool TOptionsForm::Sauve_Contexte() {
    TraceProcedure trace("TOptionsForm.Sauve_Contexte");
    TConfig& c = m_services.Config;
    // Toutes les zones numériques d'abord : rien n'est recopié à moitié.
    struct ZoneNombre {
        ZoneTexte& Zone;
        const char* Nom;
        bool Lue;
        std::int64_t Min, Max;
        std::string HorsBornes;
        std::string Remise;
    };
    const ZoneNombre zones[] = {
        {RafraichissementBox, "RafraichissementBox", true, 1, 65535, TexteRafraichissementInvalide, "1000"},
        {CpuMoyEdit, "CpuMoyEdit", true, 0, 255, TexteEntierIncorrect,
         std::to_string(c.TempsMoyenneChargeProcesseur)},
        {NiceAvertissementBox, "NiceAvertissementBox", RepeterOption.Coche(), 0, 127,
         "Valeur de répétition invalide (0 à 127).",
         c.RepeterAvertir >= 0 ? std::to_string(c.RepeterAvertir) : ""},
        {ProxyPortEdit, "ProxyPortEdit", ProxyCheck.Coche(), 1, 65535, "Numéro de port invalide (1 à 65535).",
         std::to_string(c.PortProxy)},
    };
    for (const ZoneNombre& z : zones) {
        if (!z.Lue) {
            continue;
        }
        const auto valeur = LireEntierDecimal(z.Zone.Texte);
        if (!valeur) {
            MontrerErreur(TexteEntierIncorrect, z.Zone, z.Nom, z.Remise);
            return false;
        }
        if (*valeur < z.Min || *valeur > z.Max) {
            MontrerErreur(z.HorsBornes, z.Zone, z.Nom, z.Remise);
            return false;
        }
    }

    for (const auto& [boite, reglage] : CasesDesReglages()) {
        c.*reglage = boite->Coche();
    }
    c.AuDessus = AuDessusOption.Coche();
    c.Demarrage = MasqueOption.Coche() ? 1 : 0;
    c.ModeAffichageMemoire = MemKiloOption.Coche() ? 2 : MemMegaOption.Coche() ? 3 : 1;
    c.ModeRafraichissementHorloge = HorlogeSecondeOption.Coche() ? 2 : 1;
    c.RepeterAvertir =
        JamaisRepeterOption.Coche()
            ? -1
            : static_cast<std::int32_t>(LireEntierDecimal(NiceAvertissementBox.Texte).value_or(60));
    c.OuvertureDisque = ShellOpenOption.Coche() ? "open" : ShellExploreOption.Coche() ? "explore" : "";
    if (ReorgManuelOption.Coche()) {
        c.Organisation = 0;
    } else if (c.Organisation == 0) {
        c.Organisation = 3;
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
    c.Bord = static_cast<std::uint8_t>(std::clamp(BordCombo.Selection, 0, 2));

    for (const auto& [forme, reglage] : FormesDesReglages()) {
        c.*reglage = forme->Couleur;
    }
    c.Transparence = TransparenceCheck.Coche();
    c.TauxTransparence = ArrondiPair((100 - TransparenceBar.Position()) * 255.0 / 100.0);
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

void TOptionsForm::AvertissementEnabled(bool actif) {
    for (Controle* c : std::initializer_list<Controle*>{&MemOption, &RealMemOption, &MemoryLoadOption,
                                                        &DisqueOption, &SeuilBox, &PourcentOption,
                                                        &KiloOption, &OctetOption, &MegaOption}) {
        Etat(*c, actif);
    }
}

void TOptionsForm::EvenementEnabled(bool actif) {
    for (Controle* c : std::initializer_list<Controle*>{
             &JourList, &MoisList, &AvertirLancementOption, &AvertirHeureOption, &AvertirHeureBox,
             &AvertirRepeterOption, &AvertirRepeterBox, &AttributEvenementCmd, &EffacerEvenementCmd}) {
        Etat(*c, actif);
    }
}

bool TOptionsForm::FiltreTouches(std::string_view permis, char32_t touche) {
    if (touche == U'\b') {
        return true;
    }
    if (touche > 0x7F) {
        return false; // les caractères permis sont tous ASCII
    }
    return permis.find(static_cast<char>(touche)) != std::string_view::npos;
}

// --- Boutons ---

void TOptionsForm::LibererCopies() {
    TempAvertissement.clear();
    TempEvenement.clear();
}

bool TOptionsForm::OkCmdClick() {
    return Sauve_Contexte();
}

bool TOptionsForm::SauverCmdClick(const std::function<bool()>& enregistrer) {
    if (!Sauve_Contexte()) {
        return false;
    }
    m_services.Config.SauveTout();
    Enregistre = !enregistrer || enregistrer();
    return true;
}

void TOptionsForm::CancelBtnClick() {
    LibererCopies();
}

void TOptionsForm::AideCmdClick() {
    if (m_services.Aide) {
        m_services.Aide(6);
    }
}

} // namespace pulsodex
