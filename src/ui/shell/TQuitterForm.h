#pragma once
// Confirmation de sortie : « &Quitter », « &Masquer » (par défaut), « &Annuler ».
#include <QDialog>

class QPushButton;

namespace pulsodex {

class TQuitterForm : public QDialog {
    Q_OBJECT
public:
    enum Resultat { Annuler = 0, Quitter = 1, Masquer = 2 };

    explicit TQuitterForm(QWidget* parent = nullptr);

    QPushButton* QuitterCmd = nullptr;
    QPushButton* MasquerCmd = nullptr;
    QPushButton* AnnulerCmd = nullptr;
};

} // namespace pulsodex
