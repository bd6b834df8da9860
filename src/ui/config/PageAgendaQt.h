#pragma once
// Page « Agen&da » du dialogue de configuration : le reflet Qt des événements
// du cœur ; « Propriétés de l'événement » ouvre l'éditeur TEvenementForm.
#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pulsodex {

class TOptionsForm;
class LimiteSaisie;

class PageAgendaQt final : public QWidget {
    Q_OBJECT
public:
    explicit PageAgendaQt(TOptionsForm& form, QWidget* parent = nullptr);
    ~PageAgendaQt() override;
    PageAgendaQt(const PageAgendaQt&) = delete;
    PageAgendaQt& operator=(const PageAgendaQt&) = delete;

    // États du cœur → widgets.
    void Refleter();
    // Après chaque geste transmis au cœur : le dialogue reflète toutes ses
    // pages. Sans lui, la page se reflète seule.
    std::function<void()> Rafraichir;

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
    void Apres();
    void Relier();
    void RelierZones();

    TOptionsForm& m_form;
    LimiteSaisie* m_limiteHeure = nullptr;
    LimiteSaisie* m_limiteRepeter = nullptr;
};

} // namespace pulsodex
