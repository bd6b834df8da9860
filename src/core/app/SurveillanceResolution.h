#pragma once
// Surveillance de la résolution de l'écran : à chaque tic, si elle a changé,
// proposer de charger la configuration gardée pour la nouvelle ou d'y
// enregistrer l'actuelle.
#include <functional>
#include <string>

#include "core/interfaces/Ecran.h"

namespace pulsodex {

class TConfig;

// La boîte « Changement de résolution », libérée à sa fermeture.
class DialogueResolution {
public:
    enum class Reponse { Enregistrer, Charger, Annuler };
    virtual ~DialogueResolution() = default;
    [[nodiscard]] virtual bool Existe() const = 0;
    virtual void Creer() = 0;
    virtual void FixerQuestion(const std::string& texte, bool chargerPermis) = 0;
    // Modale, ouverte sans attendre : les tics continuent pendant qu'elle est
    // ouverte ; fin reçoit la réponse quand elle se ferme.
    virtual void Montrer(std::function<void(Reponse)> fin) = 0;
    // Ferme la boîte ouverte comme « &Annuler ».
    virtual void Annuler() = 0;
};

// Les deux questions, selon qu'une configuration existe pour W×H.
std::string QuestionResolution(bool configurationExiste, int largeur, int hauteur);

class SurveillanceResolution {
public:
    // recharger : masquer la fenêtre (démontage), relire les réglages, la
    // montrer de nouveau.
    SurveillanceResolution(TConfig& config, const Ecran& ecran, DialogueResolution& dialogue,
                           std::function<void()> recharger);

    // À chaque construction : la taille de l'écran devient la référence.
    void Reinitialiser();
    // Un tic (rien quand MultiResolution est faux).
    void Surveiller();

    int LargeurEcran = 0;
    int HauteurEcran = 0;
    int LargeurOrigine = 0;
    int HauteurOrigine = 0;
    bool DialogueResolutionOuvert = false;

private:
    TConfig& m_config;
    const Ecran& m_ecran;
    DialogueResolution& m_dialogue;
    std::function<void()> m_recharger;
};

} // namespace pulsodex
