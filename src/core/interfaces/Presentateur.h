#pragma once
// Boîtes de message modales et leurs réponses. L'interface Qt les montre ;
// les tests répondent par un script.
#include <string>
#include <string_view>

namespace pulsodex {

enum class IconeBoite { Aucune, Information, Avertissement, Question, Erreur };
enum class BoutonsBoite { Ok, OkAnnuler, OuiNon, AbandonnerIgnorer };
enum class ReponseBoite { Ok, Annuler, Oui, Non, Abandonner, Ignorer };

class Presentateur {
public:
    virtual ~Presentateur() = default;
    // Montre la boîte et attend la réponse de l'utilisateur. Le texte est
    // toujours du texte brut, jamais interprété.
    virtual ReponseBoite Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                               BoutonsBoite boutons) = 0;
};

} // namespace pulsodex
