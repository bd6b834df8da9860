// Page « &Messages » : les règles d'avertissement.
#include <algorithm>

#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/dialog/Legendes.h"
#include "core/config/dialog/TOptionsForm.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

namespace {

// Le seuil tapé : des chiffres seulement, dans l'étendue d'un entier signé 32 bits.
std::optional<std::int32_t> LireSeuil(std::string_view texte) {
    if (texte.empty() ||
        !std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto valeur = LireEntierDecimal(texte);
    if (!valeur || *valeur > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*valeur);
}

} // namespace

void TOptionsForm::LierReglesMessages() {
    // Une règle sans ressource n'a pas de ligne : elle décalerait les
    // suivantes, et l'enregistrement l'écarte de toute façon.
    std::erase_if(TempAvertissement,
                  [](const TAvertissement& a) { return a.Ressource == Ressource::Aucune; });
    for (BoutonRadio* b : {&MemOption, &RealMemOption, &DisqueOption}) {
        b->Regle = [this, b] {
            TypeMemoireOuDisque(*b);
        };
    }
    MemoryLoadOption.Regle = [this] {
        TypeTauxMemoire();
    };
    for (BoutonRadio* b : {&PourcentOption, &OctetOption, &KiloOption, &MegaOption}) {
        b->Regle = [this] {
            UpdateAvertissement();
        };
    }
}

void TOptionsForm::TypeMemoireOuDisque(const BoutonRadio& clique) {
    OctetOption.Active = true;
    KiloOption.Active = true;
    MegaOption.Active = true;
    MegaOption.Cocher();
    PourcentOption.Active = true;
    SeuilBox.LongueurMax = 3;
    EspaceDisqueCombo.Active = &clique == &DisqueOption;
    UpdateAvertissement();
}

void TOptionsForm::TypeTauxMemoire() {
    OctetOption.Active = false;
    KiloOption.Active = false;
    MegaOption.Active = false;
    PourcentOption.Active = true;
    PourcentOption.Cocher();
    SeuilBox.LongueurMax = 2;
    EspaceDisqueCombo.Active = false;
    UpdateAvertissement();
}

RadiosCodes<Ressource> TOptionsForm::RadiosRessource() {
    return {{&MemOption, Ressource::MemoireTotale},
            {&RealMemOption, Ressource::MemoirePhysique},
            {&MemoryLoadOption, Ressource::ChargeMemoire},
            {&DisqueOption, Ressource::Disque}};
}

RadiosCodes<Unite> TOptionsForm::RadiosUnite() {
    return {{&PourcentOption, Unite::Pourcent},
            {&OctetOption, Unite::Octets},
            {&KiloOption, Unite::Ko},
            {&MegaOption, Unite::Mo}};
}

void TOptionsForm::SetUnite(Unite unite) {
    CocherCode(RadiosUnite(), unite);
}

void TOptionsForm::ChoisirEspaceDisque(std::string_view lettre) {
    EspaceDisqueCombo.Selection = -1;
    if (lettre.empty()) {
        return;
    }
    const char voulue = MajusculesAscii(lettre.substr(0, 1))[0];
    for (std::size_t i = 0; i < EspaceDisqueCombo.Elements.size(); ++i) {
        if (!EspaceDisqueCombo.Elements[i].empty() && EspaceDisqueCombo.Elements[i][0] == voulue) {
            EspaceDisqueCombo.Selection = static_cast<int>(i);
            return;
        }
    }
}

TAvertissement TOptionsForm::LireControlesAvertissement(const std::string& disque) {
    TAvertissement a;
    a.Ressource = CodeCoche(RadiosRessource(), Ressource::Aucune);
    a.Unite = CodeCoche(RadiosUnite(), Unite::Aucune);
    a.Seuil = LireSeuil(SeuilBox.Texte).value_or(0);
    // Une lettre sans chemin n'est pas dans le sélecteur : la règle la garde.
    if (const std::string* lecteur = EspaceDisqueCombo.Choisi()) {
        a.Disque = MajusculesAscii(lecteur->substr(0, 1));
    } else {
        a.Disque = disque.empty() ? "C" : disque;
    }
    a.Compteur = 0;
    return a;
}

void TOptionsForm::AvertirListClick() {
    TraceProcedure trace("TOptionsForm.AvertirListClick");
    if (AvertirList.Choisi() == nullptr) {
        return;
    }
    AvertissementEnabled(true);
    const TAvertissement r = TempAvertissement[static_cast<std::size_t>(AvertirList.Selection)];
    const RadiosCodes<Ressource> types = RadiosRessource();
    if (std::none_of(types.begin(), types.end(), [&r](const auto& t) { return t.second == r.Ressource; })) {
        return;
    }
    RemplissageEnCours = true;
    CocherCode(types, r.Ressource);
    SeuilBox.Texte = std::to_string(r.Seuil);
    if (r.Ressource == Ressource::Disque) {
        ChoisirEspaceDisque(r.Disque);
    }
    SetUnite(r.Unite);
    RemplissageEnCours = false;
}

void TOptionsForm::UpdateAvertissement() {
    if (AvertirList.Choisi() == nullptr || RemplissageEnCours) {
        return;
    }
    TraceProcedure trace("TOptionsForm.UpdateAvertissement");
    const auto i = static_cast<std::size_t>(AvertirList.Selection);
    TAvertissement& regle = TempAvertissement[i];
    if (SeuilBox.Texte.empty()) {
        SeuilBox.Texte = "0";
    }
    // Un texte collé qui n'est pas un nombre : la règle garde son seuil.
    if (!LireSeuil(SeuilBox.Texte)) {
        m_services.Boites.Boite(TexteEntierIncorrect, produit::Titre, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        SeuilBox.Texte = std::to_string(regle.Seuil);
        DonnerFocus(SeuilBox);
    }
    regle = LireControlesAvertissement(regle.Disque);
    AvertirList.Elements[i] =
        Compile_Chaine_Ressource(regle.Ressource, regle.Disque, regle.Seuil, regle.Unite);
    AvertirList.Selection = static_cast<int>(i);
}

void TOptionsForm::AjouterAvertissementCmdClick() {
    TraceProcedure trace("TOptionsForm.AjouterAvertissementCmdClick");
    if (TempAvertissement.size() >= MaxAvertissements) {
        m_services.Boites.Boite(TexteMaxAvertissements, produit::Titre, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        return;
    }
    AvertissementEnabled(true);
    SeuilBox.Texte = "0";
    const TAvertissement AvertissementCourant = LireControlesAvertissement("");
    AvertirList.Elements.push_back(
        Compile_Chaine_Ressource(AvertissementCourant.Ressource, AvertissementCourant.Disque,
                                 AvertissementCourant.Seuil, AvertissementCourant.Unite));
    AvertirList.Selection = static_cast<int>(AvertirList.Elements.size()) - 1;
    TempAvertissement.push_back(AvertissementCourant);
}

void TOptionsForm::EffacerAvertissementCmdClick() {
    TraceProcedure trace("TOptionsForm.EffacerAvertissementCmdClick");
    if (AvertirList.Choisi() == nullptr) {
        return;
    }
    const auto i = static_cast<std::ptrdiff_t>(AvertirList.Selection);
    TempAvertissement.erase(TempAvertissement.begin() + i);
    AvertirList.Elements.erase(AvertirList.Elements.begin() + i);
    AvertirList.Selection = -1;
    AvertissementEnabled(false);
}

void TOptionsForm::EspaceDisqueComboChange() {
    UpdateAvertissement();
}

void TOptionsForm::SeuilBoxSortie() {
    if (!SeuilBox.Texte.empty()) {
        UpdateAvertissement();
    }
}

} // namespace pulsodex
