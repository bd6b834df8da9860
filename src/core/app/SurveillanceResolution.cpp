#include "core/app/SurveillanceResolution.h"

#include "core/config/TConfig.h"

namespace pulsodex {

std::string QuestionResolution(bool configurationExiste, int largeur, int hauteur) {
    const std::string taille = std::to_string(largeur) + "x" + std::to_string(hauteur);
    if (configurationExiste) {
        return "Pulsodex a détecté un changement de résolution, voulez-vous charger la configuration de "
               "Pulsodex "
               "relative à cette résolution, ou enregistrer la configuration actuelle pour cette résolution "
               "(" +
               taille + ")?";
    }
    return "Pulsodex a détecté un changement de résolution, voulez-vous enregistrer la configuration "
           "actuelle pour "
           "cette résolution ? \rRemarque: Si vous ne le faites pas, une configuration d'origine sera "
           "utilisée "
           "lors du prochain chargement de Pulsodex dans cette résolution (" +
           taille + ")";
}

SurveillanceResolution::SurveillanceResolution(TConfig& config, const Ecran& ecran,
                                               DialogueResolution& dialogue, std::function<void()> recharger)
    : m_config(config), m_ecran(ecran), m_dialogue(dialogue), m_recharger(std::move(recharger)) {}

void SurveillanceResolution::Reinitialiser() {
    const TailleEcran taille = m_ecran.Taille();
    LargeurEcran = LargeurOrigine = taille.Largeur;
    HauteurEcran = HauteurOrigine = taille.Hauteur;
}

void SurveillanceResolution::Surveiller() {
    const TailleEcran taille = m_ecran.Taille();
    if (!m_config.MultiResolution || (taille.Largeur == LargeurEcran && taille.Hauteur == HauteurEcran)) {
        return;
    }
    if (!m_dialogue.Existe()) {
        m_dialogue.Creer();
        LargeurOrigine = LargeurEcran;
        HauteurOrigine = HauteurEcran;
    }
    LargeurEcran = taille.Largeur;
    HauteurEcran = taille.Hauteur;
    const std::string section = TConfig::NomResolution(taille.Largeur, taille.Hauteur);
    const bool existe = m_config.DispositionExiste(section);
    m_dialogue.FixerQuestion(QuestionResolution(existe, taille.Largeur, taille.Hauteur), existe);
    if (taille.Largeur == LargeurOrigine && taille.Hauteur == HauteurOrigine) {
        // Revenue à la taille d'avant : la boîte ouverte se ferme, rien n'est fait.
        m_dialogue.Annuler();
        return;
    }
    if (DialogueResolutionOuvert) {
        return; // un tic précédent la montre déjà ; sa question est à jour
    }
    DialogueResolutionOuvert = true;
    m_dialogue.Montrer([this](DialogueResolution::Reponse reponse) {
        DialogueResolutionOuvert = false;
        // La réponse vaut pour la taille que nomme la question : la dernière vue.
        switch (reponse) {
        case DialogueResolution::Reponse::Enregistrer:
            m_config.FixerSection(TConfig::NomResolution(LargeurEcran, HauteurEcran));
            m_config.SauveEnvironnement();
            break;
        case DialogueResolution::Reponse::Charger:
            m_recharger();
            break;
        case DialogueResolution::Reponse::Annuler:
            break;
        }
    });
}

} // namespace pulsodex
