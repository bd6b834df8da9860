#include "ui/config/TOptionsFormQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/aide/Aide.h"
#include "ui/config/PageAgendaQt.h"
#include "ui/config/PageMessagesQt.h"
#include "ui/config/RefletsControles.h"

namespace pulsodex {

TOptionsFormQt::TOptionsFormQt(TOptionsForm& etat, std::function<bool()> enregistrer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_etat(etat), m_enregistrer(std::move(enregistrer)), m_liaisons([this] { Refleter(); }) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(Q(m_etat.Titre));

    Pages = Nomme(new QTabWidget, "PageControl");
    Pages->addTab(PageAfficher(), QStringLiteral("&Afficher"));
    Pages->addTab(PageGeneral(), QStringLiteral("&Général"));
    Pages->addTab(PageAvance(), QStringLiteral("A&vancé"));
    Pages->addTab(PageStyle(), QStringLiteral("&Style"));
    m_messages = new PageMessagesQt(m_etat);
    m_agenda = new PageAgendaQt(m_etat);
    Pages->addTab(m_messages, QStringLiteral("&Messages"));
    Pages->addTab(m_agenda, QStringLiteral("Agen&da"));
    m_messages->Rafraichir = [this] {
        Refleter();
    };
    m_agenda->Rafraichir = [this] {
        Refleter();
    };
    Pages->addTab(PageServeurs(), QStringLiteral("Serveu&rs"));
    Pages->addTab(PageMiseAJour(), QStringLiteral("Mise à jour"));
    for (int i = 0; i < Pages->count(); ++i) {
        // Ctrl+Tab ne saute que les pages désactivées : une page cachée l'est aussi.
        const bool visible = m_etat.OngletsVisibles[static_cast<std::size_t>(i)];
        Pages->setTabVisible(i, visible);
        Pages->setTabEnabled(i, visible);
    }
    Pages->setCurrentIndex(m_etat.PageActive);

    OkCmd = Nomme(new QPushButton(QStringLiteral("Ok")), "OkCmd");
    OkCmd->setToolTip(QStringLiteral("Valide la configuration et retourne à Pulsodex"));
    OkCmd->setDefault(true);
    SauverCmd = Nomme(new QPushButton(QStringLiteral("Sauver")), "SauverCmd");
    SauverCmd->setToolTip(QStringLiteral("Sauve la configuration et retourne à Pulsodex"));
    CancelBtn = Nomme(new QPushButton(QStringLiteral("Annuler")), "CancelBtn");
    CancelBtn->setToolTip(QStringLiteral("Annule les modifications et retourne à Pulsodex"));
    AideCmd = Nomme(new QPushButton(QStringLiteral("Aide")), "AideCmd");
    for (QPushButton* b : {SauverCmd, CancelBtn, AideCmd}) {
        b->setAutoDefault(false);
    }
    connect(OkCmd, &QPushButton::clicked, this, [this] {
        if (m_etat.OkCmdClick()) {
            accept();
        } else {
            Refleter();
        }
    });
    connect(SauverCmd, &QPushButton::clicked, this, [this] {
        if (m_etat.SauverCmdClick(m_enregistrer)) {
            accept();
        } else {
            Refleter();
        }
    });
    connect(CancelBtn, &QPushButton::clicked, this, &TOptionsFormQt::reject);
    connect(AideCmd, &QPushButton::clicked, this, [this] { m_etat.AideCmdClick(); });

    auto* boutons = new QVBoxLayout;
    for (QPushButton* b : {OkCmd, SauverCmd, CancelBtn, AideCmd}) {
        boutons->addWidget(b);
    }
    boutons->addStretch();
    auto* note = new QLabel(QStringLiteral("Version Beta, l'aide n'est pas à jour. Désolé."));
    note->setWordWrap(true);
    note->setMaximumWidth(110);
    boutons->addWidget(note);
    auto* principal = new QHBoxLayout(this);
    principal->addWidget(Pages, 1);
    principal->addLayout(boutons);
    Refleter();
}

TOptionsFormQt::~TOptionsFormQt() = default;

void TOptionsFormQt::reject() {
    // « Annuler » et la case de fermeture : rien ne change.
    m_etat.CancelBtnClick();
    QDialog::reject();
}

void TOptionsFormQt::Refleter() {
    m_liaisons.Refleter();
    m_messages->Refleter();
    m_agenda->Refleter();
    RefleterExemple();
    RendreFocus(this, m_etat.Focus);
}

void TOptionsFormQt::RefleterExemple() {
    const PanneauExemple& e = m_etat.FontPanel;
    m_exemple->setFont(PoliceQt(e.Fonte));
    QPalette palette = m_exemple->palette();
    palette.setColor(QPalette::WindowText, CouleurQt(e.CouleurTexte));
    palette.setColor(QPalette::Window, CouleurQt(e.CouleurFond));
    m_exemple->setPalette(palette);
    m_exemple->setFrameStyle(e.Biseau == Bord::Aucun
                                 ? QFrame::NoFrame
                                 : QFrame::Panel |
                                       (e.Biseau == Bord::Creux ? QFrame::Sunken : QFrame::Raised));
}

QWidget* TOptionsFormQt::PageAvance() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "AvanceTabSheet");
    auto* categories = new QListWidget;
    auto* elements = new QListWidget;
    auto* description = new QLabel;
    description->setWordWrap(true);
    m_liaisons.Lier(categories, d.CategorieList, nullptr);
    m_liaisons.Lier(elements, d.ElementList, nullptr);
    m_liaisons.Lier(description, d.ElementLabel);
    auto* mise = new QVBoxLayout(page);
    mise->addWidget(new QLabel(QStringLiteral("Type de données :")));
    mise->addWidget(categories);
    mise->addWidget(new QLabel(QStringLiteral("Elements :")));
    mise->addWidget(elements);
    mise->addWidget(description);
    return page;
}

QWidget* TOptionsFormQt::PageStyle() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "FontesTabSheet");
    auto* polices = new QListWidget;
    auto* tailles = new QListWidget;
    m_liaisons.Lier(polices, d.FontList, [&d] { d.FontListClick(); });
    m_liaisons.Lier(tailles, d.TailleList, [&d] { d.TailleListClick(); });
    auto* style = new QComboBox;
    auto* bord = new QComboBox;
    auto* couleurTexte = new QComboBox;
    auto* couleurFond = new QComboBox;
    m_liaisons.Lier(style, d.StyleCombo, [&d] { d.StyleComboChange(); });
    m_liaisons.Lier(bord, d.BordCombo, [&d] { d.BordComboChange(); });
    m_liaisons.Lier(couleurTexte, d.CouleurTexteCombo, [&d] { d.CouleurTexteComboChange(); });
    m_liaisons.Lier(couleurFond, d.CouleurFondCombo, [&d] { d.CouleurFondComboChange(); });
    auto* formeTexte = new PastilleCouleur;
    auto* formeFond = new PastilleCouleur;
    m_liaisons.Lier(formeTexte, d.CouleurTexteShape, [&d] { d.FormeClic(d.CouleurTexteShape); });
    m_liaisons.Lier(formeFond, d.CouleurFondShape, [&d] { d.FormeClic(d.CouleurFondShape); });
    auto* transparence = Case("Transparence :");
    auto* curseur = new QSlider(Qt::Horizontal);
    curseur->setSingleStep(10);
    curseur->setPageStep(10);
    curseur->setTickInterval(10);
    curseur->setTickPosition(QSlider::TicksBelow);
    auto* pourcent = new QLabel;
    m_liaisons.Lier(transparence, d.TransparenceCheck);
    m_liaisons.Lier(curseur, d.TransparenceBar);
    m_liaisons.Lier(pourcent, d.TransparenceLabel);

    auto* jauges = new QGridLayout;
    const std::pair<Forme*, const char*> formes[] = {{&d.Shape1, "61% - 100%"},
                                                     {&d.Shape2, "41% - 60%"},
                                                     {&d.Shape3, "21% - 40%"},
                                                     {&d.Shape4, "00% - 20%"}};
    int rang = 0;
    for (const auto& [forme, texte] : formes) {
        auto* pastille = new PastilleCouleur;
        m_liaisons.Lier(pastille, *forme, [&d, forme = forme] { d.FormeClic(*forme); });
        jauges->addWidget(pastille, rang, 0);
        jauges->addWidget(new QLabel(QString::fromLatin1(texte)), rang, 1);
        ++rang;
    }

    m_exemple = new QLabel(QString::fromLatin1(TexteExemple));
    NommerSelon(m_exemple, d.FontPanel);
    m_exemple->setAlignment(Qt::AlignCenter);
    m_exemple->setAutoFillBackground(true);
    m_exemple->setMinimumHeight(40);
    auto* exemple = new QVBoxLayout;
    exemple->addWidget(m_exemple);

    auto* grille = new QGridLayout(page);
    grille->addWidget(new QLabel(QStringLiteral("Police :")), 0, 0);
    grille->addWidget(new QLabel(QStringLiteral("Taille :")), 0, 1);
    grille->addWidget(polices, 1, 0, 6, 1);
    grille->addWidget(tailles, 1, 1, 6, 1);
    auto etiquette = [](const char* texte) {
        return new QLabel(QString::fromUtf8(texte));
    };
    grille->addWidget(etiquette("Style du texte :"), 1, 2);
    grille->addWidget(style, 1, 3);
    grille->addWidget(etiquette("Bord des jauges :"), 2, 2);
    grille->addWidget(bord, 2, 3);
    grille->addWidget(etiquette("Couleur du texte :"), 3, 2);
    auto* ligneTexte = new QHBoxLayout;
    ligneTexte->addWidget(couleurTexte, 1);
    ligneTexte->addWidget(formeTexte);
    grille->addLayout(ligneTexte, 3, 3);
    grille->addWidget(etiquette("Couleur du fond :"), 4, 2);
    auto* ligneFond = new QHBoxLayout;
    ligneFond->addWidget(couleurFond, 1);
    ligneFond->addWidget(formeFond);
    grille->addLayout(ligneFond, 4, 3);
    grille->addWidget(transparence, 5, 2);
    auto* ligneCurseur = new QHBoxLayout;
    ligneCurseur->addWidget(curseur, 1);
    ligneCurseur->addWidget(pourcent);
    grille->addLayout(ligneCurseur, 5, 3);
    grille->addWidget(Groupe("Couleur des jauges", jauges), 7, 0, 1, 2);
    grille->addWidget(Groupe("Exemple", exemple), 7, 2, 1, 2);
    grille->setRowStretch(6, 1);
    return page;
}

QWidget* TOptionsFormQt::PageServeurs() {
    // Page jamais montrée : une liste et deux boutons sans effet.
    auto* page = Nomme(new QWidget, "ServeursTabSheet");
    auto* liste = new QListWidget;
    liste->setSortingEnabled(true);
    auto* mise = new QVBoxLayout(page);
    mise->addWidget(new QLabel(QStringLiteral("Liste des serveurs :")));
    mise->addWidget(liste);
    mise->addWidget(new QPushButton(QStringLiteral("A&jouter un serveur")));
    mise->addWidget(new QPushButton(QStringLiteral("&Effacer le serveur")));
    return page;
}

QWidget* TOptionsFormQt::PageMiseAJour() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "MiseAJourTabSheet");
    auto* verifier = Case("Vérifier au démarrage si une nouvelle version de Pulsodex XP est disponible");
    m_liaisons.Lier(verifier, d.MiseAJourCheck);
    auto* proxy = Case("Ma connexion Internet requiert l'utilisation d'un serveur proxy");
    auto* hote = new QLineEdit;
    auto* port = new QLineEdit;
    auto* etiquetteHote = new QLabel;
    auto* etiquettePort = new QLabel;
    m_liaisons.Lier(proxy, d.ProxyCheck);
    m_liaisons.Lier(hote, d.ProxyEdit);
    m_liaisons.Lier(port, d.ProxyPortEdit, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.Lier(etiquetteHote, d.ProxyLabel);
    m_liaisons.Lier(etiquettePort, d.ProxyPortLabel);
    auto* serveur = new QGridLayout;
    serveur->addWidget(proxy, 0, 0, 1, 2);
    serveur->addWidget(etiquetteHote, 1, 0);
    serveur->addWidget(hote, 1, 1);
    serveur->addWidget(etiquettePort, 2, 0);
    serveur->addWidget(port, 2, 1);
    auto* note = new QLabel(Q(d.NoteConfidentialite));
    note->setWordWrap(true);
    auto* confidentialite = new QVBoxLayout;
    confidentialite->addWidget(note);
    auto* publier = Case("Publier les mesures pour Prometheus");
    auto* portMesures = new QLineEdit;
    auto* etiquetteMesures = new QLabel;
    m_liaisons.Lier(publier, d.MesuresCheck);
    m_liaisons.Lier(portMesures, d.MesuresPortEdit, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.Lier(etiquetteMesures, d.MesuresPortLabel);
    auto* mesures = new QGridLayout;
    mesures->addWidget(publier, 0, 0, 1, 2);
    mesures->addWidget(etiquetteMesures, 1, 0);
    mesures->addWidget(portMesures, 1, 1);
    auto* mise = new QVBoxLayout(page);
    mise->addWidget(verifier);
    mise->addWidget(Groupe("Serveur Proxy", serveur));
    mise->addWidget(Groupe("Publication des mesures", mesures));
    mise->addWidget(Groupe("Informations de confidentialité", confidentialite));
    mise->addStretch();
    return page;
}

bool TOptionsFormQt::Sauvee() const {
    return m_etat.Enregistre;
}

} // namespace pulsodex
