#include "PageMessagesQt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "RefletsControles.h"
#include "config/dialog/TOptionsForm.h"

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
    m_limiteSeuil = new LimiteSaisie(SeuilBox);
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
    TransmettreLigne(AvertirList, m_form.AvertirList, &TOptionsForm::AvertirListClick);
    Transmettre(AjouterAvertissementCmd, &TOptionsForm::AjouterAvertissementCmdClick);
    Transmettre(EffacerAvertissementCmd, &TOptionsForm::EffacerAvertissementCmdClick);
    TransmettreRadios({{MemOption, &m_form.MemOption},
                       {RealMemOption, &m_form.RealMemOption},
                       {MemoryLoadOption, &m_form.MemoryLoadOption},
                       {DisqueOption, &m_form.DisqueOption},
                       {PourcentOption, &m_form.PourcentOption},
                       {OctetOption, &m_form.OctetOption},
                       {KiloOption, &m_form.KiloOption},
                       {MegaOption, &m_form.MegaOption}});
    TransmettreIndice(EspaceDisqueCombo, m_form.EspaceDisqueCombo, &TOptionsForm::EspaceDisqueComboChange);
    SuivreZone(
        SeuilBox, m_form.SeuilBox, [] { return std::string(TOptionsForm::ChiffresPermis); }, nullptr,
        &TOptionsForm::SeuilBoxSortie);
}

void PageMessagesQt::Refleter() {
    RefleterListe(AvertirList, m_form.AvertirList, false);
    RefleterEtat(AjouterAvertissementCmd, m_form.AjouterAvertissementCmd);
    RefleterEtat(EffacerAvertissementCmd, m_form.EffacerAvertissementCmd);
    RefleterRadio(MemOption, m_form.MemOption);
    RefleterRadio(RealMemOption, m_form.RealMemOption);
    RefleterRadio(MemoryLoadOption, m_form.MemoryLoadOption);
    RefleterRadio(DisqueOption, m_form.DisqueOption);
    RefleterCombo(EspaceDisqueCombo, m_form.EspaceDisqueCombo);
    RefleterRadio(PourcentOption, m_form.PourcentOption);
    RefleterRadio(OctetOption, m_form.OctetOption);
    RefleterRadio(KiloOption, m_form.KiloOption);
    RefleterRadio(MegaOption, m_form.MegaOption);
    RefleterZone(SeuilBox, m_form.SeuilBox, m_limiteSeuil);
    RendreFocus(m_form.Focus, {{"SeuilBox", SeuilBox}});
}

} // namespace pulsodex
