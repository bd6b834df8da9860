#include "core/config/dialog/TOptionsForm.h"

#include <algorithm>

#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "core/config/JoursMois.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/CouleursSysteme.h"

namespace pulsodex {

namespace {
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
    for (const LigneBord& ligne : BordsDuCombo) {
        BordCombo.Elements.emplace_back(ligne.Texte);
    }
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
