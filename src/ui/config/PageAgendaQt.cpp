#include "ui/config/PageAgendaQt.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/shell/TEvenementFormQt.h"

namespace pulsodex {

PageAgendaQt::PageAgendaQt(TOptionsForm& form, QWidget* parent)
    : PageOptionsQt(form, "AgendaTabSheet", parent) {
    EvenementList = new QListWidget(this);
    AjouterEvenementCmd = new QPushButton(QStringLiteral("A&jouter un événement"), this);
    AttributEvenementCmd = new QPushButton(QStringLiteral("Propriétés de l'événement"), this);
    EffacerEvenementCmd = new QPushButton(QStringLiteral("&Effacer l'événement"), this);

    auto* date = new QGroupBox(QStringLiteral("Date"), this);
    JourList = new QComboBox(date);
    MoisList = new QComboBox(date);
    JourList->setMaxVisibleItems(12);
    auto* grilleDate = new QGridLayout(date);
    grilleDate->addWidget(new QLabel(QStringLiteral("Jour"), date), 0, 0);
    grilleDate->addWidget(JourList, 0, 1);
    grilleDate->addWidget(new QLabel(QStringLiteral("Mois"), date), 1, 0);
    grilleDate->addWidget(MoisList, 1, 1);

    auto* active = new QGroupBox(QStringLiteral("Activé"), this);
    AvertirLancementOption = new QRadioButton(QStringLiteral("Au lancement de Pulsodex"), active);
    AvertirHeureOption = new QRadioButton(QStringLiteral("A une heure précise"), active);
    AvertirHeureBox = new QLineEdit(active);
    AvertirRepeterOption = new QRadioButton(QStringLiteral("Ré&péter / Heure"), active);
    AvertirRepeterOption->setToolTip(QStringLiteral("Répétition m minutes après chaque heure"));
    AvertirRepeterBox = new QLineEdit(active);
    auto* grilleActive = new QGridLayout(active);
    grilleActive->addWidget(AvertirLancementOption, 0, 0, 1, 2);
    grilleActive->addWidget(AvertirHeureOption, 1, 0);
    grilleActive->addWidget(AvertirHeureBox, 1, 1);
    grilleActive->addWidget(AvertirRepeterOption, 2, 0);
    grilleActive->addWidget(AvertirRepeterBox, 2, 1);

    auto* boutons = new QVBoxLayout;
    boutons->addWidget(AjouterEvenementCmd);
    boutons->addWidget(AttributEvenementCmd);
    boutons->addWidget(EffacerEvenementCmd);
    boutons->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addWidget(EvenementList, 1);
    haut->addLayout(boutons);
    auto* bas = new QHBoxLayout;
    bas->addWidget(date);
    bas->addWidget(active);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut, 1);
    page->addLayout(bas);

    // L'éditeur des propriétés, ouvert au-dessus du dialogue.
    m_form.EditerEvenement = [this](const ContenuEvenement& contenu) {
        return TEvenementFormQt::Editer(window(), contenu);
    };
    Relier();
    Refleter();
}

PageAgendaQt::~PageAgendaQt() {
    m_form.EditerEvenement = nullptr;
}

void PageAgendaQt::Relier() {
    TOptionsForm& d = m_form;
    LierListe(EvenementList, d.EvenementList, &TOptionsForm::EvenementListClick, true);
    connect(EvenementList, &QListWidget::itemChanged, this, [this](QListWidgetItem* element) {
        const int ligne = EvenementList->row(element);
        if (ligne < 0 || static_cast<std::size_t>(ligne) >= m_form.EvenementList.Coches.size()) {
            return;
        }
        m_form.EvenementList.Coches[static_cast<std::size_t>(ligne)] = element->checkState() == Qt::Checked;
        m_form.EvenementListClickCheck(ligne);
        Apres();
    });
    EvenementList->viewport()->installEventFilter(this);
    m_liaisons.Lier(AjouterEvenementCmd, d.AjouterEvenementCmd, [&d] { d.AjouterEvenementCmdClick(); });
    m_liaisons.Lier(AttributEvenementCmd, d.AttributEvenementCmd, [&d] { d.AttributEvenementCmdClick(); });
    m_liaisons.Lier(EffacerEvenementCmd, d.EffacerEvenementCmd, [&d] { d.EffacerEvenementCmdClick(); });
    m_liaisons.Lier(JourList, d.JourList, [&d] { d.JourListClick(); });
    m_liaisons.Lier(MoisList, d.MoisList, [&d] { d.MoisListClick(); });
    m_liaisons.Lier(AvertirLancementOption, d.AvertirLancementOption);
    m_liaisons.Lier(AvertirHeureOption, d.AvertirHeureOption);
    m_liaisons.Lier(AvertirRepeterOption, d.AvertirRepeterOption);
    LierZone(
        AvertirHeureBox, d.AvertirHeureBox, [&d] { return d.PermisHeure(); },
        &TOptionsForm::AvertirHeureBoxEntree, &TOptionsForm::AvertirHeureBoxSortie);
    LierZone(
        AvertirRepeterBox, d.AvertirRepeterBox, [] { return std::string(TOptionsForm::ChiffresPermis); },
        &TOptionsForm::AvertirRepeterBoxEntree, &TOptionsForm::AvertirRepeterBoxSortie);
}

bool PageAgendaQt::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == EvenementList->viewport() && evenement->type() == QEvent::MouseButtonDblClick) {
        // Après le double clic lui-même : l'éditeur est modal.
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_form.EvenementListDblClick();
                Apres();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(objet, evenement);
}

} // namespace pulsodex
