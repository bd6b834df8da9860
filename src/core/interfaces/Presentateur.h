#pragma once
// Boîtes de message modales et leurs réponses. L'interface Qt les montre ;
// les tests répondent par un script.
#include <cstdint>
#include <string>
#include <string_view>

namespace pulsodex {

// Les sons du système, comme les icônes des boîtes ; 0 : rien.
inline constexpr std::uint16_t SonErreur = 0x10;
inline constexpr std::uint16_t SonQuestion = 0x20;
inline constexpr std::uint16_t SonExclamation = 0x30;
inline constexpr std::uint16_t SonInformation = 0x40;

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
    // La fenêtre de message du programme (alarmes, agenda), précédée d'un son
    // (0 : aucun ; 0x30 avertissement, 0x40 information...) ; revient quand
    // elle est fermée.
    virtual void Message(std::string_view texte, std::string_view legende, std::uint16_t son) {
        Son(son);
        Boite(texte, legende, IconeBoite::Information, BoutonsBoite::Ok);
    }
    // Un son du système ; 0 : rien.
    virtual void Son(std::uint16_t /*son*/) {}
};

} // namespace pulsodex
