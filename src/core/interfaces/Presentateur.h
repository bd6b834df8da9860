#pragma once
// Boîtes de message et leurs réponses. L'interface Qt les montre ; les tests
// répondent par un script.
//
// Une boîte s'ouvre sans attendre : l'appel rend la main aussitôt, les tics
// continuent pendant qu'elle est ouverte, et sa réponse arrive plus tard à
// une suite. Seuls les dialogues de configuration, pendant lesquels les tics
// sont arrêtés, attendent une réponse (Boite).
#include <cstdint>
#include <functional>
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

// Ce qui suit la fermeture d'une boîte, avec la réponse choisie.
using SuiteBoite = std::function<void(ReponseBoite)>;

class Presentateur {
public:
    virtual ~Presentateur() = default;
    // Ouvre la boîte et rend la main. La suite (vide : rien) reçoit la
    // réponse quand l'utilisateur la donne. Le texte est toujours du texte
    // brut, jamais interprété.
    virtual void Ouvrir(std::string_view texte, std::string_view legende, IconeBoite icone,
                        BoutonsBoite boutons, SuiteBoite suite = {}) = 0;
    // La fenêtre de message du programme (alarmes, agenda), précédée d'un son
    // (0 : aucun ; 0x30 avertissement, 0x40 information...) ; fermee (vide :
    // rien) est appelée quand elle se ferme.
    virtual void OuvrirMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                               std::function<void()> fermee = {}) = 0;
    // Ferme les boîtes encore ouvertes, sans appeler leurs suites (fin du programme).
    virtual void FermerTout() = 0;
    // Montre la boîte et attend la réponse : seulement là où les tics sont
    // arrêtés (dialogues de configuration, première question du démarrage).
    virtual ReponseBoite Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                               BoutonsBoite boutons) = 0;
    // Un son du système ; 0 : rien.
    virtual void Son(std::uint16_t /*son*/) {}
};

} // namespace pulsodex
