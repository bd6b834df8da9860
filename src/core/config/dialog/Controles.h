#pragma once
// États des contrôles du dialogue de configuration, sans boîte à outils :
// l'interface les reflète et transmet les gestes de l'utilisateur. Changer
// l'état d'une case ou d'un bouton radio exécute sa règle quand l'état change
// vraiment (un bouton radio : quand il devient coché) ; changer un texte, une
// sélection ou un indice n'exécute rien. Chaque contrôle porte son nom : la
// fenêtre le donne au widget qui le reflète, et le focus le désigne par lui.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/commun/Codes.h"
#include "core/config/Police.h"

namespace pulsodex {

struct Controle {
    explicit Controle(std::string_view nom = {}) : Nom(nom) {}
    std::string_view Nom; // « DateCheck », « SeuilBox »…
    bool Active = true;
    bool Visible = true;
};

class CaseACocher : public Controle {
public:
    using Controle::Controle;
    [[nodiscard]] bool Coche() const { return m_coche; }
    void Cocher(bool coche);
    std::function<void()> Regle;

private:
    bool m_coche = false;
};

class GroupeRadio;

class BoutonRadio : public Controle {
public:
    using Controle::Controle;
    [[nodiscard]] bool Coche() const { return m_coche; }
    // Coche ce bouton et décoche les autres du groupe ; la règle s'exécute
    // si le bouton ne l'était pas.
    void Cocher();
    std::function<void()> Regle;

private:
    friend class GroupeRadio;
    bool m_coche = false;
    GroupeRadio* m_groupe = nullptr;
};

// Les boutons radio d'un même cadre : un seul coché.
class GroupeRadio {
public:
    GroupeRadio() = default;
    void Ajouter(BoutonRadio* bouton);
    GroupeRadio(const GroupeRadio&) = delete;
    GroupeRadio& operator=(const GroupeRadio&) = delete;
    void Decocher(const BoutonRadio* sauf);

private:
    std::vector<BoutonRadio*> m_boutons;
};

struct ZoneTexte : Controle {
    using Controle::Controle;
    std::string Texte;
    std::size_t LongueurMax = 0; // 0 : sans limite (en caractères, pour la frappe)
};

struct Etiquette : Controle {
    using Controle::Controle;
    std::string Texte;
};

// Des boutons radio d'un même groupe, chacun pour un code.
template <typename Code>
using RadiosCodes = std::vector<std::pair<BoutonRadio*, Code>>;

// Coche le bouton du code ; aucun changement pour un code sans bouton.
template <typename Code>
void CocherCode(const RadiosCodes<Code>& radios, Code code) {
    for (const auto& [bouton, valeur] : radios) {
        if (valeur == code) {
            bouton->Cocher();
            return;
        }
    }
}

// Le code du bouton coché ; defaut quand aucun ne l'est.
template <typename Code>
Code CodeCoche(const RadiosCodes<Code>& radios, Code defaut) {
    for (const auto& [bouton, valeur] : radios) {
        if (bouton->Coche()) {
            return valeur;
        }
    }
    return defaut;
}

// Liste, liste déroulante ou liste à cocher ; -1 : rien de choisi.
struct Liste : Controle {
    using Controle::Controle;
    std::vector<std::string> Elements;
    std::vector<bool> Coches; // liste à cocher seulement
    int Selection = -1;

    // L'élément choisi ; nul sans choix valable.
    [[nodiscard]] const std::string* Choisi() const {
        return Selection >= 0 && Selection < static_cast<int>(Elements.size())
                   ? &Elements[static_cast<std::size_t>(Selection)]
                   : nullptr;
    }
};

// Forme colorée (un clic ouvre le choix de couleur).
struct Forme : Controle {
    using Controle::Controle;
    std::int32_t Couleur = 0;
};

class Curseur : public Controle {
public:
    using Controle::Controle;
    [[nodiscard]] int Position() const { return m_position; }
    // Bornée à Min..Max ; la règle s'exécute à chaque nouvelle position.
    void FixerPosition(int position);
    int Min = 0;
    int Max = 99;
    std::function<void()> Regle;

private:
    int m_position = 0;
};

// Le panneau d'exemple de la page « &Style » : police, couleurs, biseau.
struct PanneauExemple : Controle {
    using Controle::Controle;
    Police Fonte;
    std::int32_t CouleurTexte = 0;
    std::int32_t CouleurFond = 0;
    pulsodex::Bord Biseau = pulsodex::Bord::Creux;
};

} // namespace pulsodex
