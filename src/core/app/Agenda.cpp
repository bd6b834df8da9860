#include "core/app/Agenda.h"

#include "core/app/Avertissements.h"
#include "core/app/FichierTexte.h"
#include "core/commun/Trace.h"
#include "core/plateforme/AjoutFichier.h"
#include "core/plateforme/Lanceur.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

namespace {
// Le texte est-il la valeur écrite sur deux chiffres (« 07 ») ? Sans rien
// formater : 200 événements sont comparés à chaque tic de l'horloge.
bool DeuxChiffres(std::string_view texte, int valeur) {
    return texte.size() == 2 && valeur >= 0 && valeur <= 99 && texte[0] == '0' + valeur / 10 &&
           texte[1] == '0' + valeur % 10;
}
} // namespace

bool ConcordanceDateHeure(std::uint8_t mois, std::uint8_t jour, std::string_view heure,
                          std::string_view minute, const DateHeure& m) {
    TraceProcedure trace("ConcordanceDateHeure");
    if (mois != MoisTous && m.Mois != mois) {
        return false;
    }
    bool jourOk = false;
    if (jour == JourTous) {
        jourOk = true;
    } else if (jour <= JourSamedi) {
        jourOk = m.JourSemaine == jour;
    } else if (jour == JourSemaine) {
        jourOk = m.JourSemaine >= 2 && m.JourSemaine <= 6; // lundi à vendredi
    } else if (jour == JourWeekEnd) {
        jourOk = m.JourSemaine == 1 || m.JourSemaine == 7;
    } else {
        jourOk = m.Jour == jour - DecalageJourDuMois;
    }
    if (!jourOk) {
        return false;
    }
    if (!heure.empty()) {
        return heure.size() == 5 && DeuxChiffres(heure.substr(0, 2), m.Heure) && heure[2] == ':' &&
               DeuxChiffres(heure.substr(3), m.Minute);
    }
    if (minute.empty()) {
        return true; // au lancement : toute la journée
    }
    // Une minute d'un seul chiffre vaut avec un zéro devant.
    return minute.size() == 1 ? m.Minute < 10 && minute[0] == '0' + m.Minute : DeuxChiffres(minute, m.Minute);
}

std::string MessageErreurLancement(int code) {
    switch (code) {
    case 0:
        return "Pas assez de mémoire ou fichier exécutable invalide.";
    case 2:
        return "Fichier non trouvé.";
    case 3:
        return "Répertoire par défaut inexistant.";
    case 5:
        return "Erreur de création de lien avec la tâche cible.";
    case 8:
        return "Pas assez de mémoire pour lancer l'application.";
    case 10:
        return "Mauvaise version de Windows.";
    case 11:
        return "Fichier exécutable invalide.";
    case 12:
    case 13:
    case 14:
        return "Cette application a été développée pour un autre système.";
    case 15:
        return "Ce programme requiert le mode réel de Windows.";
    case 16:
        return "Programme déjà lancé et non dupliquable.";
    case 19:
        return "Fichier exécutable compressé.";
    case 20:
        return "Une DLL de cette application est manquante.";
    case 21:
        return "Cette application requiert l'extension 32bits de Windows.";
    case 31:
        return "Il n'existe pas d'associations à ce fichier.";
    default:
        return "Impossible de lancer ce programme.";
    }
}

std::string LigneTachesErr(std::string_view dateHeure, std::string_view nom, std::string_view erreur) {
    return "(" + std::string(dateHeure) + ") Lancement de la tâche \"" + SurUneLigne(nom) +
           "\" : " + std::string(erreur) + std::string(FinDeLigne);
}

ModeFenetre FenetreDeLancement(ModeLancement mode) {
    switch (mode) {
    case ModeLancement::Normal:
        return ModeFenetre::Normale;
    case ModeLancement::Icone:
        return ModeFenetre::Reduite;
    case ModeLancement::Agrandi:
        return ModeFenetre::Agrandie;
    default:
        return ModeFenetre::Cachee;
    }
}

void LancerEvenements(ListeEvenements& evenements, const DateHeure& maintenant, bool sons,
                      bool& messageEnCours, const ServicesAgenda& s) {
    TraceProcedure trace("TPulsodexForm.LancerEvenements");
    for (std::size_t i = 0; i < evenements.size(); ++i) {
        TEvenement& e = evenements[i];
        if (!e.Actif || (e.Type != TypeEvenement::Message && e.Type != TypeEvenement::Tache)) {
            continue;
        }
        if (!ConcordanceDateHeure(e.Mois, e.Jour, e.Heure, e.Minute, maintenant)) {
            e.Lance = false;
            continue;
        }
        if (e.Lance) {
            continue;
        }
        if (e.Type == TypeEvenement::Message) {
            if (messageEnCours) {
                continue; // montré plus tard si son moment dure encore
            }
            e.Lance = true;
            messageEnCours = true;
            s.AfficherMessage(e.Message, sons ? SonInformation : 0,
                              [&messageEnCours] { messageEnCours = false; });
            continue;
        }
        e.Lance = true;
        if (s.Sablier) {
            s.Sablier(true);
        }
        TacheALancer tache{e.Nom,
                           e.Commande,
                           e.Parametres,
                           e.Repertoire,
                           FenetreDeLancement(e.ModeLancement),
                           s.Locale.DateHeureCourte(maintenant)};
        s.LancerTache(std::move(tache));
        if (s.Sablier) {
            s.Sablier(false);
        }
    }
}

void ExecuterTache(const TacheALancer& t, Lanceur& lanceur, const std::string& fichierErreurs) {
    const int reponse = lanceur.ShellExecute("", t.Commande, t.Parametres, t.Repertoire, t.Mode);
    if (LancementEchoue(reponse)) {
        AjouterAuFichier(fichierErreurs, LigneTachesErr(t.DateHeure, t.Nom, MessageErreurLancement(reponse)));
    }
}

} // namespace pulsodex
