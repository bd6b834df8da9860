#include "ui/aide/FenetreAide.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/aide/Aide.h"

// Hors de tout espace de noms, comme le veut Q_INIT_RESOURCE.
static void InitialiserRessourceAide() {
    Q_INIT_RESOURCE(aide);
}

namespace pulsodex {

namespace {
QPointer<FenetreAide> g_fenetreAide;
} // namespace

QUrl SourceAide(const std::filesystem::path& executable) {
    InitialiserRessourceAide();
    if (const auto fichier = TrouverAide(executable)) {
        return QUrl::fromLocalFile(Q(fichier->string()));
    }
    return QUrl(QStringLiteral("qrc:/aide/") + Q(std::string(NomFichierAide)));
}

FenetreAide::FenetreAide(const QUrl& source, QWidget* parent)
    : QWidget(parent, Qt::Window), m_source(source) {
    setObjectName(QStringLiteral("AideForm"));
    setWindowTitle(QStringLiteral("Aide de ") + Q(produit::TitreApplication));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 600);

    Navigateur = new QTextBrowser(this);
    Navigateur->setObjectName(QStringLiteral("Navigateur"));
    Navigateur->setOpenExternalLinks(true);
    SommaireCmd = new QPushButton(QStringLiteral("&Sommaire"), this);
    PrecedentCmd = new QPushButton(QStringLiteral("&Précédent"), this);
    SuivantCmd = new QPushButton(QStringLiteral("S&uivant"), this);
    FermerCmd = new QPushButton(QStringLiteral("&Fermer"), this);
    PrecedentCmd->setEnabled(false);
    SuivantCmd->setEnabled(false);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(SommaireCmd);
    boutons->addWidget(PrecedentCmd);
    boutons->addWidget(SuivantCmd);
    boutons->addStretch();
    boutons->addWidget(FermerCmd);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(boutons);
    principal->addWidget(Navigateur, 1);

    connect(SommaireCmd, &QPushButton::clicked, this, [this] { Ouvrir(0); });
    connect(PrecedentCmd, &QPushButton::clicked, Navigateur, &QTextBrowser::backward);
    connect(SuivantCmd, &QPushButton::clicked, Navigateur, &QTextBrowser::forward);
    connect(FermerCmd, &QPushButton::clicked, this, &QWidget::close);
    connect(Navigateur, &QTextBrowser::backwardAvailable, PrecedentCmd, &QWidget::setEnabled);
    connect(Navigateur, &QTextBrowser::forwardAvailable, SuivantCmd, &QWidget::setEnabled);
}

void FenetreAide::Ouvrir(int sujet) {
    const QString ancre = Q(AncreSujet(sujet));
    QUrl adresse = m_source;
    if (!ancre.isEmpty()) {
        adresse.setFragment(ancre);
    }
    Navigateur->setSource(adresse);
    // Même adresse qu'avant : le navigateur ne bouge pas, on y retourne.
    if (ancre.isEmpty()) {
        Navigateur->verticalScrollBar()->setValue(0);
    } else {
        Navigateur->scrollToAnchor(ancre);
    }
    show();
    raise();
    activateWindow();
}

void FenetreAide::Rattacher(QWidget* modale) {
    if (modale == m_proprietaire) {
        return;
    }
    const bool visible = isVisible();
    const QRect geometrie = geometry();
    if (m_proprietaire) {
        m_proprietaire->removeEventFilter(this);
    }
    m_proprietaire = modale;
    setParent(modale, Qt::Window);
    if (modale != nullptr) {
        modale->installEventFilter(this);
    }
    if (visible) {
        setGeometry(geometrie);
        show();
    }
}

bool FenetreAide::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == m_proprietaire && evenement->type() == QEvent::Hide) {
        Rattacher(nullptr);
    }
    return QWidget::eventFilter(objet, evenement);
}

void FenetreAide::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void AfficherAide(int sujet) {
    TraceProcedure trace("AfficherAide");
    if (!g_fenetreAide) {
        const std::filesystem::path executable =
            QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
        g_fenetreAide = new FenetreAide(SourceAide(executable));
    }
    QWidget* modale = QApplication::activeModalWidget();
    g_fenetreAide->Rattacher(modale != g_fenetreAide ? modale : nullptr);
    g_fenetreAide->Ouvrir(sujet);
}

void FermerAide() {
    delete g_fenetreAide.data();
}

FenetreAide* FenetreAideOuverte() {
    return g_fenetreAide.data();
}

} // namespace pulsodex
