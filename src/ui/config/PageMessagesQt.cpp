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
    AvertirList = Nomme(new QListWidget(this), "AvertirList");
    AjouterAvertissementCmd =
        Nomme(new QPushButton(QStringLiteral("A&jouter un avertissement"), this), "AjouterAvertissementCmd");
    EffacerAvertissementCmd =
        Nomme(new QPushButton(QStringLiteral("&Effacer l'avertissement"), this), "EffacerAvertissementCmd");

    auto* type = new QGroupBox(QStringLiteral("Type d'avertissement"), this);
    MemOption = Nomme(new QRadioButton(QStringLiteral("Mémoire totale libre (physique+virtuelle)"), type),
                      "MemOption");
    RealMemOption = Nomme(new QRadioButton(QStringLiteral("Mémoire physique libre"), type), "RealMemOption");
    MemoryLoadOption =
        Nomme(new QRadioButton(QStringLiteral("Taux d'utilisation mémoire"), type), "MemoryLoadOption");
    DisqueOption =
        Nomme(new QRadioButton(QStringLiteral("Espace disponible sur l'unité :"), type), "DisqueOption");
    EspaceDisqueCombo = Nomme(new QComboBox(type), "EspaceDisqueCombo");
    auto* grilleType = new QGridLayout(type);
    grilleType->addWidget(MemOption, 0, 0, 1, 2);
    grilleType->addWidget(RealMemOption, 1, 0, 1, 2);
    grilleType->addWidget(MemoryLoadOption, 2, 0, 1, 2);
    grilleType->addWidget(DisqueOption, 3, 0);
    grilleType->addWidget(EspaceDisqueCombo, 3, 1);

    auto* seuil = new QGroupBox(QStringLiteral("Seuil d'activation"), this);
    SeuilBox = Nomme(new QLineEdit(seuil), "SeuilBox");
    PourcentOption = Nomme(new QRadioButton(QStringLiteral("%"), seuil), "PourcentOption");
    OctetOption = Nomme(new QRadioButton(QStringLiteral("Octets"), seuil), "OctetOption");
    KiloOption = Nomme(new QRadioButton(QStringLiteral("Ko"), seuil), "KiloOption");
    MegaOption = Nomme(new QRadioButton(QStringLiteral("Mo"), seuil), "MegaOption");
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
