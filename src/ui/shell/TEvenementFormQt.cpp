#include "ui/shell/TEvenementFormQt.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

#include "core/commun/Trace.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/shell/ChoixFichierTache.h"

namespace pulsodex {

namespace {
QPointer<TEvenementFormQt>& Courant() {
    static QPointer<TEvenementFormQt> courant;
    return courant;
}

QLineEdit* Zone(QWidget* parent, const char* nom) {
    auto* zone = new QLineEdit(parent);
    zone->setObjectName(QString::fromLatin1(nom));
    return zone;
}
} // namespace

TEvenementFormQt::TEvenementFormQt(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("EvenementForm"));
    setWindowTitle(QStringLiteral("Propriétés de l'événement"));
    setAttribute(Qt::WA_DeleteOnClose);
    Courant() = this;

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    MessageSheet = new QWidget(PageControl);
    MessageSheet->setObjectName(
        QString::fromLatin1(PageMessage.data(), static_cast<qsizetype>(PageMessage.size())));
    TacheSheet = new QWidget(PageControl);
    TacheSheet->setObjectName(
        QString::fromLatin1(PageTache.data(), static_cast<qsizetype>(PageTache.size())));
    PageControl->addTab(MessageSheet, QStringLiteral("&Message"));
    PageControl->addTab(TacheSheet, QStringLiteral("&Tâche"));

    auto* groupe = new QGroupBox(QStringLiteral("Message"), MessageSheet);
    MessageBox = Zone(groupe, "MessageBox");
    (new QVBoxLayout(groupe))->addWidget(MessageBox);
    auto* pageMessage = new QVBoxLayout(MessageSheet);
    pageMessage->addWidget(groupe);
    pageMessage->addStretch();

    // Dessinés dans l'ordre nom, commande, paramètres, répertoire.
    NomBox = Zone(TacheSheet, "NomBox");
    CommandeBox = Zone(TacheSheet, "CommandeBox");
    ParamBox = Zone(TacheSheet, "ParamBox");
    RepBox = Zone(TacheSheet, "RepBox");
    ParcourirCmd = new QPushButton(QStringLiteral("&Parcourir"), TacheSheet);
    ParcourirCmd->setObjectName(QStringLiteral("ParcourirCmd"));
    ParcourirCmd->setAutoDefault(false);
    auto* grille = new QGridLayout(TacheSheet);
    const std::pair<const char*, QLineEdit*> lignes[] = {
        {"Nom :", NomBox}, {"Commande :", CommandeBox}, {"Paramètres :", ParamBox}, {"Répertoire :", RepBox}};
    int rang = 0;
    for (const auto& [libelle, zone] : lignes) {
        auto* etiquette = new QLabel(QString::fromUtf8(libelle), TacheSheet);
        etiquette->setBuddy(zone);
        grille->addWidget(etiquette, rang, 0);
        grille->addWidget(zone, rang, 1);
        ++rang;
    }
    grille->addWidget(ParcourirCmd, 1, 2);
    grille->setRowStretch(rang, 1);
    // Le répertoire avant les paramètres, bien qu'il soit dessiné dessous.
    setTabOrder(NomBox, CommandeBox);
    setTabOrder(CommandeBox, RepBox);
    setTabOrder(RepBox, ParamBox);
    setTabOrder(ParamBox, ParcourirCmd);

    OkCmd = new QPushButton(QStringLiteral("Ok"), this);
    OkCmd->setObjectName(QStringLiteral("OkCmd"));
    OkCmd->setToolTip(QStringLiteral("Valide la configuration et retourne à Pulsodex"));
    OkCmd->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setToolTip(QStringLiteral("Annule les modifications et retourne à Pulsodex"));
    CancelBtn->setAutoDefault(false);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(OkCmd);
    boutons->addWidget(CancelBtn);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(PageControl);
    principal->addLayout(boutons);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    resize(380, 0);

    PageControl->setCurrentWidget(MessageSheet);
    connect(OkCmd, &QPushButton::clicked, this, &TEvenementFormQt::OkCmdClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ParcourirCmd, &QPushButton::clicked, this, &TEvenementFormQt::ParcourirCmdClick);
    ChoisirFichier = [this] {
        return ChoisirAvecBoite();
    };
}

TEvenementFormQt::~TEvenementFormQt() {
    if (Courant() == this) {
        Courant() = nullptr;
    }
}

TEvenementFormQt* TEvenementFormQt::EvenementForm() {
    return Courant().data();
}

std::optional<ResultatEvenement> TEvenementFormQt::Editer(QWidget* parent, const ContenuEvenement& contenu) {
    TEvenementFormQt* editeur = EvenementForm();
    if (editeur == nullptr) {
        editeur = new TEvenementFormQt(parent);
    }
    editeur->Remplir(contenu);
    std::optional<ResultatEvenement> resultat;
    // Lu avant que exec() ne libère l'éditeur.
    const QMetaObject::Connection lecture =
        connect(editeur, &QDialog::accepted, editeur, [editeur, &resultat] {
            resultat = ResultatEvenement{editeur->Type(), editeur->Contenu()};
        });
    const QPointer<TEvenementFormQt> garde = editeur;
    editeur->exec();
    if (garde) {
        disconnect(lecture);
    }
    return resultat;
}

void TEvenementFormQt::Remplir(const ContenuEvenement& contenu) {
    MessageBox->setText(Q(contenu.Message));
    NomBox->setText(Q(contenu.Nom));
    CommandeBox->setText(Q(contenu.Commande));
    ParamBox->setText(Q(contenu.Parametres));
    RepBox->setText(Q(contenu.Repertoire));
}

ContenuEvenement TEvenementFormQt::Contenu() const {
    return {S(MessageBox->text()), S(NomBox->text()), S(CommandeBox->text()), S(ParamBox->text()),
            S(RepBox->text())};
}

void TEvenementFormQt::OkCmdClick() {
    const QWidget* page = PageControl->currentWidget();
    m_type = TypeRapporte(page != nullptr ? S(page->objectName()) : std::string());
    accept();
}

void TEvenementFormQt::ParcourirCmdClick() {
    TraceProcedure trace("TEvenementForm.ParcourirCmdClick");
    const std::optional<QString> fichier = ChoisirFichier ? ChoisirFichier() : std::nullopt;
    if (!fichier || fichier->isEmpty()) {
        return;
    }
    ContenuEvenement contenu = Contenu();
    AppliquerFichierChoisi(contenu, S(*fichier));
    Remplir(contenu);
}

std::optional<QString> TEvenementFormQt::ChoisirAvecBoite() {
    const std::unique_ptr<QFileDialog> boite(CreerChoixFichierTache(this));
    if (boite->exec() != QDialog::Accepted || boite->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return boite->selectedFiles().constFirst();
}

} // namespace pulsodex
