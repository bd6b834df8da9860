// Écriture des réglages sur disque, et avis à l'utilisateur quand elle échoue
// ou quand le fichier n'a pas été lu proprement.
#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "core/config/TConfig.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

namespace {
constexpr std::size_t LignesNommees = 5;
}

std::string TexteEchecEnregistrement(std::string_view cause, bool intact) {
    std::string texte = "Les réglages n'ont pas pu être enregistrés";
    if (!cause.empty()) {
        texte += " dans ";
        texte += cause;
    }
    texte += ".\n\n";
    if (intact) {
        texte += "Le fichier des réglages garde son contenu précédent. ";
    }
    texte +=
        "Pulsodex continue de fonctionner et enregistrera vos changements à la prochaine sauvegarde réussie.";
    return texte;
}

std::string TexteLectureImparfaite(const LectureImparfaite& lecture) {
    std::string texte = "Le fichier des réglages « " + lecture.Fichier + " » est abîmé : ";
    texte +=
        lecture.Abimees.size() == 1 ? "une ligne n'a pas pu être lue." : "des lignes n'ont pas pu être lues.";
    for (std::size_t i = 0; i < lecture.Abimees.size() && i < LignesNommees; ++i) {
        texte += "\n- ligne " + std::to_string(lecture.Abimees[i].Ligne) + " : ";
        texte += NomDefaut(lecture.Abimees[i].Defaut);
    }
    if (lecture.Abimees.size() > LignesNommees) {
        texte += "\n- et " + std::to_string(lecture.Abimees.size() - LignesNommees) + " autres lignes";
    }
    texte +=
        "\n\nLes autres réglages sont chargés ; ceux de ces lignes reprennent leur valeur par défaut.\n\n";
    if (!lecture.Copie.empty()) {
        texte += "Le contenu d'origine du fichier est gardé tel quel dans « " + lecture.Copie +
                 " ». Le fichier des réglages sera réécrit sans ces lignes à la prochaine sauvegarde.";
    } else {
        texte += "Pulsodex n'a pas pu garder une copie de son contenu d'origine (" + lecture.CauseCopie +
                 ") : il ne réécrira pas ce fichier tant que cette copie ne pourra pas être faite.";
    }
    return texte;
}

bool TConfig::DireLectureImparfaite() {
    const LectureImparfaite* lecture = m_services.Reg.LectureADire();
    if (lecture == nullptr) {
        return false;
    }
    // Dit avant d'être montré : une sauvegarde pendant la boîte ne le redit pas.
    const std::string texte = TexteLectureImparfaite(*lecture);
    m_services.Reg.LectureDite();
    m_services.Boites.Ouvrir(texte, produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
    return true;
}

bool TConfig::Enregistrer(AvisEchec avis) {
    TraceProcedure trace("TConfig.Enregistrer");
    DireLectureImparfaite();
    bool reussi = m_services.Reg.Synchroniser();
    // Abîmé depuis sa lecture : l'avis d'abord, l'écriture ensuite.
    if (!reussi && DireLectureImparfaite()) {
        reussi = m_services.Reg.Synchroniser();
    }
    if (reussi) {
        m_echecDit = false;
        return true;
    }
    if (avis == AvisEchec::Toujours || !m_echecDit) {
        m_echecDit = true;
        m_services.Boites.Ouvrir(
            TexteEchecEnregistrement(m_services.Reg.ErreurEcriture(), m_services.Reg.FichierIntact()),
            produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
    }
    return false;
}

} // namespace pulsodex
