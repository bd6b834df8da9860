#pragma once
// Page « Agen&da » du dialogue de configuration : le reflet Qt des événements
// du cœur ; « Propriétés de l'événement » ouvre l'éditeur TEvenementFormQt.
#include "ui/config/PageOptionsQt.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace pulsodex {

class PageAgendaQt final : public PageOptionsQt {
    Q_OBJECT
public:
    explicit PageAgendaQt(TOptionsForm& form, QWidget* parent = nullptr);
    ~PageAgendaQt() override;
    PageAgendaQt(const PageAgendaQt&) = delete;
    PageAgendaQt& operator=(const PageAgendaQt&) = delete;

    QListWidget* EvenementList = nullptr;
    QPushButton* AjouterEvenementCmd = nullptr;
    QPushButton* AttributEvenementCmd = nullptr;
    QPushButton* EffacerEvenementCmd = nullptr;
    QComboBox* JourList = nullptr;
    QComboBox* MoisList = nullptr;
    QRadioButton* AvertirLancementOption = nullptr;
    QRadioButton* AvertirHeureOption = nullptr;
    QLineEdit* AvertirHeureBox = nullptr;
    QRadioButton* AvertirRepeterOption = nullptr;
    QLineEdit* AvertirRepeterBox = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Relier();
};

} // namespace pulsodex
