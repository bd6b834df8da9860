#include "core/app/JournalErreurs.h"

#include "core/app/FichierTexte.h"
#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "core/interfaces/InfosSysteme.h"
#include "core/plateforme/AjoutFichier.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

std::string TexteEntree(const EntreeJournal& e) {
    std::string texte;
    auto ligne = [&texte](std::string_view etiquette, std::string_view valeur) {
        texte += etiquette;
        texte += SurUneLigne(valeur);
        texte += FinDeLigne;
    };
    ligne("* Erreur de ", std::string(produit::Titre) + " *");
    ligne("    Module      : ", e.Module);
    ligne("    Date, heure : ", e.DateHeure);
    ligne("    Message     : ", e.Message);
    ligne("    Système     : ", e.Systeme);
    ligne("    Comctl32    : ", e.Controles);
    texte += FinDeLigne;
    return texte;
}

JournalErreurs::JournalErreurs(std::string repertoire, const Horloge& horloge,
                               const LocaleUtilisateur& locale, const InfosSysteme& infos)
    : m_repertoire(std::move(repertoire)), m_horloge(horloge), m_locale(locale), m_infos(infos) {}

std::string JournalErreurs::Chemin() const {
    return m_repertoire + std::string(NomJournalErreurs);
}

bool JournalErreurs::Consigner(std::string_view message) noexcept {
    try {
        if (Trace().Lire().empty()) {
            FixerTrace(TraceInconnue);
        }
        EntreeJournal entree;
        entree.Module = TraceCourante();
        entree.DateHeure = m_locale.DateHeureCourte(m_horloge.Maintenant());
        entree.Message = std::string(message);
        entree.Systeme = m_infos.WinVer();
        entree.Controles = m_infos.GetCommonControlsVersion();
        return AjouterAuFichier(Chemin(), TexteEntree(entree));
    } catch (...) {
        return false;
    }
}

} // namespace pulsodex
