#include "ui/app/ErreursLancement.h"

#include <filesystem>
#include <system_error>

#include "core/app/Agenda.h"
#include "core/commun/Produit.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/Lanceur.h"

namespace pulsodex {

void MontrerErreursLancement(const std::string& repertoire, Lanceur& lanceur, Presentateur& boites) {
    const std::string fichier = repertoire + NomTachesErr;
    if (!std::filesystem::exists(fichier)) {
        boites.Ouvrir("Aucune erreur de lancement de tâche n'a été rencontrée.", produit::Titre,
                      IconeBoite::Avertissement, BoutonsBoite::Ok);
        return;
    }
    // L'éditeur de texte du bureau.
    const int reponse = lanceur.ShellExecute("open", fichier, "", repertoire, ModeFenetre::Normale);
    if (LancementEchoue(reponse)) {
        boites.Ouvrir(MessageErreurLancement(reponse) + " (xdg-open)", produit::Titre,
                      IconeBoite::Avertissement, BoutonsBoite::Ok);
    }
}

void EffacerErreursLancement(const std::string& repertoire, Presentateur& boites) {
    boites.Son(SonQuestion);
    boites.Ouvrir("Voulez-vous effacer le fichier de lancement des erreurs?", produit::Titre,
                  IconeBoite::Question, BoutonsBoite::OkAnnuler, [repertoire, &boites](ReponseBoite reponse) {
                      std::error_code erreur;
                      if (reponse == ReponseBoite::Ok &&
                          std::filesystem::remove(repertoire + NomTachesErr, erreur)) {
                          boites.Ouvrir("Fichier des erreurs de lancement de tâche effacé.", produit::Titre,
                                        IconeBoite::Information, BoutonsBoite::Ok);
                      }
                  });
}

} // namespace pulsodex
