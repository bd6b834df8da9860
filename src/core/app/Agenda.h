#pragma once
// L'agenda : les événements montrent leur message ou lancent leur tâche à
// leur moment ; les lancements ratés vont dans « Taches.err ».
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/config/Enregistrements.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Lanceur.h"

namespace pulsodex {

class Lanceur;
class LocaleUtilisateur;

bool ConcordanceDateHeure(std::uint8_t mois, std::uint8_t jour, std::string_view heure,
                          std::string_view minute, const DateHeure& maintenant);
// La réponse d'un lancement (Lanceur::ShellExecute) : 32 ou moins est un
// code d'erreur, au-delà un succès.
[[nodiscard]] constexpr bool LancementEchoue(int code) {
    return code <= 32;
}
std::string MessageErreurLancement(int code);
// La fenêtre d'une tâche lancée ; cachée pour un mode inconnu.
ModeFenetre FenetreDeLancement(ModeLancement mode);
// « (05/12/2026 09:52:10) Lancement de la tâche "Nom" : Fichier non trouvé. »
std::string LigneTachesErr(std::string_view dateHeure, std::string_view nom, std::string_view erreur);

inline constexpr const char* NomTachesErr = "Taches.err";
inline constexpr const char* LegendeEvenement = "Evénement Pulsodex";

// Une tâche à lancer, avec le moment de son lancement (pour « Taches.err »).
struct TacheALancer {
    std::string Nom;
    std::string Commande;
    std::string Parametres;
    std::string Repertoire;
    ModeFenetre Mode = ModeFenetre::Normale;
    std::string DateHeure;
};

// Lance la tâche ; un échec ajoute sa ligne à « Taches.err » (échecs d'écriture avalés).
void ExecuterTache(const TacheALancer& tache, Lanceur& lanceur, const std::string& fichierErreurs);

struct ServicesAgenda {
    const LocaleUtilisateur& Locale;
    // Ouvre la fenêtre du message sans attendre ; fermee est appelée quand
    // elle se ferme.
    std::function<void(const std::string& texte, std::uint16_t son, std::function<void()> fermee)>
        AfficherMessage;
    // Sablier pendant un lancement.
    std::function<void(bool)> Sablier;
    // Confie la tâche à un autre fil (un lancement peut bloquer sur un montage
    // mort), qui l'exécute par ExecuterTache.
    std::function<void(TacheALancer)> LancerTache;
};

// Un passage sur la liste ; messageEnCours : une fenêtre de message est
// ouverte (posé à l'ouverture d'un message, levé à sa fermeture : il doit
// vivre aussi longtemps que les fenêtres qu'il garde).
void LancerEvenements(ListeEvenements& evenements, const DateHeure& maintenant, bool sons,
                      bool& messageEnCours, const ServicesAgenda& services);

} // namespace pulsodex
