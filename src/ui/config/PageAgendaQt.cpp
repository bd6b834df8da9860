#include "PageAgendaQt.h"

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

#include "RefletsControles.h"
#include "config/dialog/TOptionsForm.h"
#include "shell/TEvenementForm.h"

namespace pulsodex {

PageAgendaQt::PageAgendaQt(TOptionsForm& form, QWidget* parent)
    : PageOptionsQt(form, "AgendaTabSheet", parent) {
    EvenementList = Nomme(new QListWidget(this), "EvenementList");
    AjouterEvenementCmd =
        Nomme(new QPushButton(QStringLiteral("A&jouter un événement"), this), "AjouterEvenementCmd");
    AttributEvenementCmd =
        Nomme(new QPushButton(QStringLiteral("Propriétés de l'événement"), this), "AttributEvenementCmd");
    EffacerEvenementCmd =
        Nomme(new QPushButton(QStringLiteral("&Effacer l'événement"), this), "EffacerEvenementCmd");

    auto* date = new QGroupBox(QStringLiteral("Date"), this);
    JourList = Nomme(new QComboBox(date), "JourList");
    MoisList = Nomme(new QComboBox(date), "MoisList");
    JourList->setMaxVisibleItems(12);
    auto* grilleDate = new QGridLayout(date);
    grilleDate->addWidget(new QLabel(QStringLiteral("Jour"), date), 0, 0);
    grilleDate->addWidget(JourList, 0, 1);
    grilleDate->addWidget(new QLabel(QStringLiteral("Mois"), date), 1, 0);
    grilleDate->addWidget(MoisList, 1, 1);

    auto* active = new QGroupBox(QStringLiteral("Activé"), this);
    AvertirLancementOption =
        Nomme(new QRadioButton(QStringLiteral("Au lancement de Pulsodex"), active), "AvertirLancementOption");
    AvertirHeureOption =
        Nomme(new QRadioButton(QStringLiteral("A une heure précise"), active), "AvertirHeureOption");
    AvertirHeureBox = Nomme(new QLineEdit(active), "AvertirHeureBox");
    m_limiteHeure = new LimiteSaisie(AvertirHeureBox);
    AvertirRepeterOption =
        Nomme(new QRadioButton(QStringLiteral("Ré&péter / Heure"), active), "AvertirRepeterOption");
    AvertirRepeterOption->setToolTip(QStringLiteral("Répétition m minutes après chaque heure"));
    AvertirRepeterBox = Nomme(new QLineEdit(active), "AvertirRepeterBox");
    m_limiteRepeter = new LimiteSaisie(AvertirRepeterBox);
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
        return TEvenementForm::Editer(window(), contenu);
    };
    Relier();
    Refleter();
}

PageAgendaQt::~PageAgendaQt() {
    m_form.EditerEvenement = nullptr;
}

void PageAgendaQt::Relier() {
    TransmettreLigne(EvenementList, m_form.EvenementList, &TOptionsForm::EvenementListClick);
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
    Transmettre(AjouterEvenementCmd, &TOptionsForm::AjouterEvenementCmdClick);
    Transmettre(AttributEvenementCmd, &TOptionsForm::AttributEvenementCmdClick);
    Transmettre(EffacerEvenementCmd, &TOptionsForm::EffacerEvenementCmdClick);
    TransmettreIndice(JourList, m_form.JourList, &TOptionsForm::JourListClick);
    TransmettreIndice(MoisList, m_form.MoisList, &TOptionsForm::MoisListClick);
    TransmettreRadios({{AvertirLancementOption, &m_form.AvertirLancementOption},
                       {AvertirHeureOption, &m_form.AvertirHeureOption},
                       {AvertirRepeterOption, &m_form.AvertirRepeterOption}});
    SuivreZone(
        AvertirHeureBox, m_form.AvertirHeureBox, [this] { return m_form.PermisHeure(); },
        &TOptionsForm::AvertirHeureBoxEntree, &TOptionsForm::AvertirHeureBoxSortie);
    SuivreZone(
        AvertirRepeterBox, m_form.AvertirRepeterBox, [] { return std::string(TOptionsForm::ChiffresPermis); },
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

void PageAgendaQt::Refleter() {
    RefleterListe(EvenementList, m_form.EvenementList, true);
    RefleterEtat(AjouterEvenementCmd, m_form.AjouterEvenementCmd);
    RefleterEtat(AttributEvenementCmd, m_form.AttributEvenementCmd);
    RefleterEtat(EffacerEvenementCmd, m_form.EffacerEvenementCmd);
    RefleterCombo(JourList, m_form.JourList);
    RefleterCombo(MoisList, m_form.MoisList);
    RefleterRadio(AvertirLancementOption, m_form.AvertirLancementOption);
    RefleterRadio(AvertirHeureOption, m_form.AvertirHeureOption);
    RefleterZone(AvertirHeureBox, m_form.AvertirHeureBox, m_limiteHeure);
    RefleterRadio(AvertirRepeterOption, m_form.AvertirRepeterOption);
    RefleterZone(AvertirRepeterBox, m_form.AvertirRepeterBox, m_limiteRepeter);
    RendreFocus(m_form.Focus,
                {{"AvertirHeureBox", AvertirHeureBox}, {"AvertirRepeterBox", AvertirRepeterBox}});
}

} // namespace pulsodex
