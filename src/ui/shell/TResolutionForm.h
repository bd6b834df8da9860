#pragma once
// « Changement de résolution » : enregistrer la configuration actuelle pour
// la nouvelle résolution, charger celle qui y est gardée, ou annuler.
#include "ui/shell/BoiteCentree.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pulsodex {

class TResolutionForm : public BoiteCentree {
    Q_OBJECT
public:
    enum Resultat { Annuler = 0, Enregistrer = 1, Charger = 2 };

    explicit TResolutionForm(QWidget* parent = nullptr);

    // Le retour chariot du texte passe à la ligne.
    void FixerQuestion(const QString& texte, bool chargerPermis);

    QLabel* Label1 = nullptr;
    QPushButton* EnregistrerCmd = nullptr;
    QPushButton* ChargerCmd = nullptr;
    QPushButton* AnnulerCmd = nullptr;
    QCheckBox* QuestionCheck = nullptr;

    // Appelé à chaque clic de « Ne plus poser cette question », avec son état.
    std::function<void(bool)> QuestionChangee;
};

} // namespace pulsodex
