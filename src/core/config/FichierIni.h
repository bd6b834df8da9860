#pragma once
// Le texte du fichier des réglages, dans la forme INI de QSettings : une
// section « [1280x1024] », puis « Fonte\Nom=MS Sans Serif » ; les valeurs de
// la racine sous « [General] ». La lecture dit chaque ligne qu'elle ne lit pas
// proprement et ne laisse jamais une ligne abîmée déborder sur les autres ;
// elle relit à l'identique tout ce que l'écriture produit.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

// Ce qui empêche de lire une ligne proprement.
enum class DefautIni {
    GuillemetNonFerme, // la valeur ouvre des guillemets sans les fermer
    NonUtf8,           // des octets qui ne sont pas du texte UTF-8
    LigneInconnue,     // ni en-tête, ni « nom=valeur », ni commentaire (; ou #), ni vide
    EnTeteCoupe,       // « [section » sans son crochet fermant, ou suivi d'autre chose
    SuiteDeLigne,      // la valeur finit par une barre oblique inverse seule
    SectionPerdue,     // une valeur sous un en-tête abîmé : sa section est inconnue
};

struct LigneAbimee {
    std::size_t Ligne = 0; // comptée depuis 1
    DefautIni Defaut = DefautIni::LigneInconnue;
    friend bool operator==(const LigneAbimee&, const LigneAbimee&) = default;
};

// Les valeurs sous leur chemin complet « Section\Sous\Nom » (« Nom » à la racine).
using ValeursIni = std::map<std::string, std::string, std::less<>>;

struct LectureIni {
    ValeursIni Valeurs;               // tout ce qui se lit proprement
    std::vector<LigneAbimee> Abimees; // vide : le fichier est lu proprement
};

[[nodiscard]] LectureIni LireIni(std::string_view octets);
[[nodiscard]] std::string EcrireIni(const ValeursIni& valeurs);

// Le chemin complet d'une valeur : « \ » ou « / » séparent, les parties vides tombent.
[[nodiscard]] std::string CheminIni(std::string_view section, std::string_view nom);

// « guillemet non fermé », « en-tête de section coupé »…
[[nodiscard]] std::string_view NomDefaut(DefautIni defaut);

} // namespace pulsodex
