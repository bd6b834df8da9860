#include "ui/config/PageMessagesQt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex {

PageMessagesQt::PageMessagesQt(TOptionsForm& form, QWidget* parent)
    : PageOptionsQt(form, "MessagesTabSheet", parent) {
    AvertirList = new QListWidget(this);
    AjouterAvertissementCmd = new QPushButton(QStringLiteral("A&jouter un avertissement"), this);
    EffacerAvertissementCmd = new QPushButton(QStringLiteral("&Effacer l'avertissement"), this);

    auto* type = new QGroupBox(QStringLiteral("Type d'avertissement"), this);
    MemOption = new QRadioButton(QStringLiteral("Mémoire totale libre (physique+virtuelle)"), type);
    RealMemOption = new QRadioButton(QStringLiteral("Mémoire physique libre"), type);
    MemoryLoadOption = new QRadioButton(QStringLiteral("Taux d'utilisation mémoire"), type);
    DisqueOption = new QRadioButton(QStringLiteral("Espace disponible sur l'unité :"), type);
    EspaceDisqueCombo = new QComboBox(type);
    auto* grilleType = new QGridLayout(type);
    grilleType->addWidget(MemOption, 0, 0, 1, 2);
    grilleType->addWidget(RealMemOption, 1, 0, 1, 2);
    grilleType->addWidget(MemoryLoadOption, 2, 0, 1, 2);
    grilleType->addWidget(DisqueOption, 3, 0);
    grilleType->addWidget(EspaceDisqueCombo, 3, 1);

    auto* seuil = new QGroupBox(QStringLiteral("Seuil d'activation"), this);
    SeuilBox = new QLineEdit(seuil);
    PourcentOption = new QRadioButton(QStringLiteral("%"), seuil);
    OctetOption = new QRadioButton(QStringLiteral("Octets"), seuil);
    KiloOption = new QRadioButton(QStringLiteral("Ko"), seuil);
    MegaOption = new QRadioButton(QStringLiteral("Mo"), seuil);
    auto* ligneSeuil = new QHBoxLayout(seuil);
    ligneSeuil->addWidget(SeuilBox);
    for (QRadioButton* b : {PourcentOption, OctetOption, KiloOption, MegaOption}) {
        ligneSeuil->addWidget(b);
    }

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(AjouterAvertissementCmd);
    boutons->addWidget(EffacerAvertissementCmd);
    boutons->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(AvertirList, 1);
    haut->addLayout(boutons);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut, 1);
    page->addWidget(type);
    page->addWidget(seuil);

    Relier();
    Refleter();
}

void PageMessagesQt::Relier() {
    TOptionsForm& d = m_form;
    LierListe(AvertirList, d.AvertirList, &TOptionsForm::AvertirListClick, false);
    m_liaisons.Lier(AjouterAvertissementCmd, d.AjouterAvertissementCmd,
                    [&d] { d.AjouterAvertissementCmdClick(); });
    m_liaisons.Lier(EffacerAvertissementCmd, d.EffacerAvertissementCmd,
                    [&d] { d.EffacerAvertissementCmdClick(); });
    m_liaisons.Lier(MemOption, d.MemOption);
    m_liaisons.Lier(RealMemOption, d.RealMemOption);
    m_liaisons.Lier(MemoryLoadOption, d.MemoryLoadOption);
    m_liaisons.Lier(DisqueOption, d.DisqueOption);
    m_liaisons.Lier(EspaceDisqueCombo, d.EspaceDisqueCombo, [&d] { d.EspaceDisqueComboChange(); });
    m_liaisons.Lier(PourcentOption, d.PourcentOption);
    m_liaisons.Lier(OctetOption, d.OctetOption);
    m_liaisons.Lier(KiloOption, d.KiloOption);
    m_liaisons.Lier(MegaOption, d.MegaOption);
    LierZone(
        SeuilBox, d.SeuilBox, [] { return std::string(TOptionsForm::ChiffresPermis); }, nullptr,
        &TOptionsForm::SeuilBoxSortie);
}

} // namespace pulsodex
