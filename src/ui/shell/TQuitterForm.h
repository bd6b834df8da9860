#pragma once
// Confirmation de sortie : « &Quitter », « &Masquer » (par défaut), « &Annuler ».
#include "ui/shell/BoiteCentree.h"

class QPushButton;

namespace pulsodex {

class TQuitterForm : public BoiteCentree {
    Q_OBJECT
public:
    enum Resultat { Annuler = 0, Quitter = 1, Masquer = 2 };

    explicit TQuitterForm(QWidget* parent = nullptr);

    QPushButton* QuitterCmd = nullptr;
    QPushButton* MasquerCmd = nullptr;
    QPushButton* AnnulerCmd = nullptr;
};

} // namespace pulsodex
