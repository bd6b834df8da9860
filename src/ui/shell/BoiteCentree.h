#pragma once
// Boîte de dialogue qui s'ouvre au centre de l'écran de la fenêtre qui l'ouvre,
// et non au centre de cette fenêtre (une petite barre dans un coin).
#include <QDialog>

namespace pulsodex {

class BoiteCentree : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent* evenement) override;
};

} // namespace pulsodex
