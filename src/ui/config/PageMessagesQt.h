#pragma once
// Page « &Messages » du dialogue de configuration : le reflet Qt des règles
// d'avertissement du cœur.
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

class PageMessagesQt final : public QWidget {
    Q_OBJECT
public:
    explicit PageMessagesQt(TOptionsForm& form, QWidget* parent = nullptr);

    // États du cœur → widgets.
    void Refleter();
    // Après chaque geste transmis au cœur : le dialogue reflète toutes ses
    // pages. Sans lui, la page se reflète seule.
    std::function<void()> Rafraichir;

    QListWidget* AvertirList = nullptr;
    QPushButton* AjouterAvertissementCmd = nullptr;
    QPushButton* EffacerAvertissementCmd = nullptr;
    QRadioButton* MemOption = nullptr;
    QRadioButton* RealMemOption = nullptr;
    QRadioButton* MemoryLoadOption = nullptr;
    QRadioButton* DisqueOption = nullptr;
    QComboBox* EspaceDisqueCombo = nullptr;
    QRadioButton* PourcentOption = nullptr;
    QRadioButton* OctetOption = nullptr;
    QRadioButton* KiloOption = nullptr;
    QRadioButton* MegaOption = nullptr;
    QLineEdit* SeuilBox = nullptr;

private:
    void Apres();
    void Relier();

    TOptionsForm& m_form;
    LimiteSaisie* m_limiteSeuil = nullptr;
};

} // namespace pulsodex
