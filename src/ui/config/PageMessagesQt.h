#pragma once
// Page « &Messages » du dialogue de configuration : le reflet Qt des règles
// d'avertissement du cœur.
#include "ui/config/PageOptionsQt.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace pulsodex {

class PageMessagesQt final : public PageOptionsQt {
    Q_OBJECT
public:
    explicit PageMessagesQt(TOptionsForm& form, QWidget* parent = nullptr);

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
    void Relier();
};

} // namespace pulsodex
