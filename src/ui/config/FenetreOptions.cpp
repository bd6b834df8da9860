#include "FenetreOptions.h"

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

#include "PageAgendaQt.h"
#include "PageMessagesQt.h"
#include "RefletsControles.h"
#include "adaptateurs/Conversions.h"
#include "aide/Aide.h"
#include "config/dialog/TOptionsForm.h"

namespace pulsodex {

namespace {

QCheckBox* Case(const char* nom, const char* texte) {
    return Nomme(new QCheckBox(QString::fromUtf8(texte)), nom);
}
QRadioButton* Radio(const char* nom, const char* texte) {
    return Nomme(new QRadioButton(QString::fromUtf8(texte)), nom);
}
QGroupBox* Groupe(const char* titre, QLayout* contenu) {
    auto* g = new QGroupBox(QString::fromUtf8(titre));
    g->setLayout(contenu);
    return g;
}
} // namespace

FenetreOptions::FenetreOptions(TOptionsForm& etat, std::function<bool()> enregistrer, QWidget* parent)
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
        Pages->setTabVisible(i, m_etat.OngletsVisibles[static_cast<std::size_t>(i)]);
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
    connect(CancelBtn, &QPushButton::clicked, this, &FenetreOptions::reject);
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

FenetreOptions::~FenetreOptions() = default;

void FenetreOptions::reject() {
    // « Annuler » et la case de fermeture : rien ne change.
    m_etat.CancelBtnClick();
    QDialog::reject();
}

void FenetreOptions::Refleter() {
    m_liaisons.Refleter();
    m_messages->Refleter();
    m_agenda->Refleter();
    RefleterExemple();
    RendreFocus(this, m_etat.Focus);
}

void FenetreOptions::RefleterExemple() {
    const PanneauExemple& e = m_etat.FontPanel;
    m_exemple->setFont(PoliceQt(e.Fonte));
    QPalette palette = m_exemple->palette();
    palette.setColor(QPalette::WindowText, CouleurQt(e.CouleurTexte));
    palette.setColor(QPalette::Window, CouleurQt(e.CouleurFond));
    m_exemple->setPalette(palette);
    m_exemple->setFrameStyle(
        e.Biseau == 0 ? QFrame::NoFrame : QFrame::Panel | (e.Biseau == 1 ? QFrame::Sunken : QFrame::Raised));
}

QWidget* FenetreOptions::PageAfficher() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "AfficherTabSheet");
    auto* elements = new QGridLayout;
    elements->addWidget(new QLabel(QStringLiteral("jauge")), 0, 1);
    elements->addWidget(new QLabel(QStringLiteral("inverse")), 0, 2);
    struct Ligne {
        CaseACocher* Bande;
        const char* Nom;
        const char* Texte;
        CaseACocher* Jauge;
        const char* NomJauge;
        CaseACocher* Inverse;
        const char* NomInverse;
    };
    const Ligne lignes[] = {
        {&d.DateCheck, "DateCheck", "&Date", nullptr, "", nullptr, ""},
        {&d.HeureCheck, "HeureCheck", "&Heure", nullptr, "", nullptr, ""},
        {&d.MemoryLoadCheck, "MemoryLoadCheck", "&Utilisation de la mémoire", &d.MemoryLoadJaugeCheck,
         "MemoryLoadJaugeCheck", &d.MemoryLoadJaugeInverseCheck, "MemoryLoadJaugeInverseCheck"},
        {&d.MemCheck, "MemCheck", "Mémoire libre (physique+virtuelle)", &d.MemJaugeCheck, "MemJaugeCheck",
         &d.MemJaugeInverseCheck, "MemJaugeInverseCheck"},
        {&d.RealMemCheck, "RealMemCheck", "Mémoire physique libre", &d.RealMemJaugeCheck, "RealMemJaugeCheck",
         &d.RealMemJaugeInverseCheck, "RealMemJaugeInverseCheck"},
        {&d.CpuCheck, "CpuCheck", "Charge processeur", &d.CpuJaugeCheck, "CpuJaugeCheck",
         &d.CpuJaugeInverseCheck, "CpuJaugeInverseCheck"},
        {&d.CpuMoyCheck, "CpuMoyCheck", "Moyenne processeur sur", &d.CpuMoyJaugeCheck, "CpuMoyJaugeCheck",
         &d.CpuMoyJaugeInverseCheck, "CpuMoyJaugeInverseCheck"},
    };
    int rang = 1;
    for (const Ligne& l : lignes) {
        auto* bande = Case(l.Nom, l.Texte);
        m_liaisons.Lier(bande, *l.Bande);
        if (l.Bande == &d.CpuMoyCheck) {
            // La zone des minutes se tient dans le blanc de la légende.
            auto* ligne = new QHBoxLayout;
            auto* minutes = Nomme(new QLineEdit, "CpuMoyEdit");
            minutes->setFixedWidth(28);
            m_liaisons.Lier(minutes, d.CpuMoyEdit, std::string(TOptionsForm::ChiffresPermis));
            ligne->addWidget(bande);
            ligne->addWidget(minutes);
            ligne->addWidget(new QLabel(QStringLiteral("m")));
            ligne->addStretch();
            elements->addLayout(ligne, rang, 0);
        } else {
            elements->addWidget(bande, rang, 0);
        }
        if (l.Jauge != nullptr) {
            auto* jauge = Case(l.NomJauge, "");
            auto* inverse = Case(l.NomInverse, "");
            m_liaisons.Lier(jauge, *l.Jauge);
            m_liaisons.Lier(inverse, *l.Inverse);
            elements->addWidget(jauge, rang, 1);
            elements->addWidget(inverse, rang, 2);
        }
        ++rang;
    }
    auto* groupeElements = Groupe("Eléments divers", elements);
    groupeElements->setToolTip(QStringLiteral("Sélectionnez ici les éléments de la fenêtre Pulsodex"));

    auto* disques = new QGridLayout;
    auto* jaugeDisque = Case("DisqueJaugeCheck", "Avec jauge");
    auto* inverseDisque = Case("DisqueJaugeInverseCheck", "Inverse");
    auto* activite = Case("RemplissageCheck", "Activité");
    auto* total = Case("TotalCheck", "Tota&l");
    m_liaisons.Lier(jaugeDisque, d.DisqueJaugeCheck);
    m_liaisons.Lier(inverseDisque, d.DisqueJaugeInverseCheck);
    m_liaisons.Lier(activite, d.RemplissageCheck);
    m_liaisons.Lier(total, d.TotalCheck);
    auto* ecriture = new PastilleCouleur(QStringLiteral("EcritureShape"));
    auto* suppression = new PastilleCouleur(QStringLiteral("SuppressionShape"));
    m_liaisons.Lier(ecriture, d.EcritureShape, [&d] { d.FormeClic(d.EcritureShape); });
    m_liaisons.Lier(suppression, d.SuppressionShape, [&d] { d.FormeClic(d.SuppressionShape); });
    auto* ecritureLabel = Nomme(new QLabel, "EcritureLabel");
    auto* suppressionLabel = Nomme(new QLabel, "SuppressionLabel");
    m_liaisons.Lier(ecritureLabel, d.EcritureLabel);
    m_liaisons.Lier(suppressionLabel, d.SuppressionLabel);
    auto* choix = Nomme(new QComboBox, "DriveBox");
    choix->setToolTip(QStringLiteral("Disque à afficher"));
    m_liaisons.Lier(choix, d.DriveBox, nullptr);
    auto* autre = Nomme(new QPushButton(QStringLiteral("Autre &lecteur…")), "AutreLecteurCmd");
    autre->setToolTip(QStringLiteral("Donne une lettre à un système de fichiers monté ou à un dossier"));
    m_liaisons.Lier(autre, d.DriveBox, [this, &d, autre] {
        // Les montages sans lettre, puis un dossier au choix.
        QMenu menu(autre);
        for (const std::string& point : d.MontagesSansLettre()) {
            menu.addAction(Q(point))->setData(Q(point));
        }
        menu.addSeparator();
        menu.addAction(QStringLiteral("Un dossier…"));
        const QAction* choisi = menu.exec(autre->mapToGlobal(QPoint(0, autre->height())));
        if (choisi == nullptr) {
            return;
        }
        QString chemin = choisi->data().toString();
        if (chemin.isEmpty()) {
            chemin = QFileDialog::getExistingDirectory(this, QStringLiteral("Choisir un dossier"));
        }
        if (!chemin.isEmpty() && !d.AjouterLecteur(S(chemin))) {
            m_etat.SignalerLettresEpuisees();
        }
    });
    auto* ajouter = Nomme(new QPushButton(QStringLiteral("A&jouter")), "AjouterDisqueCmd");
    auto* supprimer = Nomme(new QPushButton(QStringLiteral("Su&pprimer")), "SupprimerDisqueCmd");
    m_liaisons.Lier(ajouter, d.AjouterDisqueCmd, [&d] { d.AjouterDisqueCmdClick(); });
    m_liaisons.Lier(supprimer, d.SupprimerDisqueCmd, [&d] { d.SupprimerDisqueCmdClick(); });
    auto* liste = Nomme(new QLineEdit, "DisqueBox");
    m_liaisons.Lier(liste, d.DisqueBox);
    m_liaisons.SurFocus(liste, nullptr, [&d] { d.DisqueBoxSortie(); });
    disques->addWidget(jaugeDisque, 0, 0);
    disques->addWidget(inverseDisque, 0, 1);
    disques->addWidget(activite, 1, 0);
    auto* couleurs = new QHBoxLayout;
    couleurs->addWidget(ecriture);
    couleurs->addWidget(ecritureLabel);
    couleurs->addWidget(suppression);
    couleurs->addWidget(suppressionLabel);
    disques->addLayout(couleurs, 1, 1);
    disques->addWidget(total, 2, 0);
    disques->addWidget(new QLabel(QStringLiteral("Liste des disques disponibles :")), 3, 0, 1, 2);
    auto* ligneChoix = new QHBoxLayout;
    ligneChoix->addWidget(choix, 1);
    ligneChoix->addWidget(autre);
    ligneChoix->addWidget(ajouter);
    ligneChoix->addWidget(supprimer);
    disques->addLayout(ligneChoix, 4, 0, 1, 2);
    disques->addWidget(new QLabel(QStringLiteral("Liste des disques à afficher :")), 5, 0, 1, 2);
    disques->addWidget(liste, 6, 0, 1, 2);
    auto* groupeDisques = Groupe("Espace restant sur disque", disques);
    groupeDisques->setToolTip(QStringLiteral("Sélectionnez les disques de la fenêtre Pulsodex"));

    auto* mise = new QVBoxLayout(page);
    mise->addWidget(groupeElements);
    mise->addWidget(groupeDisques);
    mise->addStretch();
    return page;
}

QWidget* FenetreOptions::PageGeneral() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "GeneralTabSheet");
    auto radios = [this](std::initializer_list<std::pair<QRadioButton*, BoutonRadio*>> boutons) {
        auto* mise = new QVBoxLayout;
        for (const auto& [widget, etat] : boutons) {
            m_liaisons.Lier(widget, *etat);
            mise->addWidget(widget);
        }
        return mise;
    };
    auto* demarrage = radios({{Radio("VisibleOption", "Fenêtre visible"), &d.VisibleOption},
                              {Radio("MasqueOption", "Fenêtre masquée"), &d.MasqueOption}});
    auto* charge = Case("DemarrageCheck", "Chargé au démarrage");
    m_liaisons.Lier(charge, d.DemarrageCheck);
    demarrage->addWidget(charge);
    auto* organisation = radios({{Radio("ReorgManuelOption", "Manuelle"), &d.ReorgManuelOption},
                                 {Radio("ReorgAutoOption", "Automatique"), &d.ReorgAutoOption}});
    auto* fenetre = radios({{Radio("NormaleOption", "Norma&le"), &d.NormaleOption},
                            {Radio("AuDessusOption", "Toujours au dess&us"), &d.AuDessusOption}});

    auto* formats = new QGridLayout;
    auto* date = Nomme(new QLineEdit, "ChaineDateBox");
    auto* heure = Nomme(new QLineEdit, "ChaineHeureBox");
    m_liaisons.Lier(date, d.ChaineDateBox);
    m_liaisons.Lier(heure, d.ChaineHeureBox);
    auto* etiquetteDate = new QLabel(QStringLiteral("&Date:"));
    etiquetteDate->setBuddy(date);
    auto* etiquetteHeure = new QLabel(QStringLiteral("&Heure:"));
    etiquetteHeure->setBuddy(heure);
    auto* aideFormats = Nomme(new QPushButton(QStringLiteral("?")), "AideFormatsCmd");
    aideFormats->setToolTip(QStringLiteral("Les codes des formats de date et d'heure"));
    aideFormats->setFixedWidth(28);
    connect(aideFormats, &QPushButton::clicked, this, [] { AfficherAide(SujetFormats); });
    formats->addWidget(etiquetteDate, 0, 0);
    formats->addWidget(date, 0, 1);
    formats->addWidget(etiquetteHeure, 1, 0);
    formats->addWidget(heure, 1, 1);
    formats->addWidget(aideFormats, 0, 2);

    auto* memoire = radios({{Radio("MemOctetOption", "&Octets"), &d.MemOctetOption},
                            {Radio("MemKiloOption", "&Kilo octets"), &d.MemKiloOption},
                            {Radio("MemMegaOption", "Mega o&ctets"), &d.MemMegaOption}});
    auto* shell = radios({{Radio("ShellNoneOption", "Aucun effet"), &d.ShellNoneOption},
                          {Radio("ShellOpenOption", "Ouvrir"), &d.ShellOpenOption},
                          {Radio("ShellExploreOption", "Explorer"), &d.ShellExploreOption}});

    auto* rafraichissement = new QGridLayout;
    auto* periode = Nomme(new QLineEdit, "RafraichissementBox");
    m_liaisons.Lier(periode, d.RafraichissementBox, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.SurFocus(periode, nullptr, [&d] { d.RafraichissementBoxSortie(); });
    auto* etiquettePeriode = new QLabel(QStringLiteral("&Ressources:"));
    etiquettePeriode->setBuddy(periode);
    rafraichissement->addWidget(etiquettePeriode, 0, 0);
    rafraichissement->addWidget(periode, 0, 1);
    rafraichissement->addWidget(new QLabel(QStringLiteral("ms")), 0, 2);
    rafraichissement->addWidget(new QLabel(QStringLiteral("Heure:")), 1, 0);
    auto* minute = Radio("HorlogeMinuteOption", "Min&ute");
    auto* seconde = Radio("HorlogeSecondeOption", "&Seconde");
    m_liaisons.Lier(minute, d.HorlogeMinuteOption);
    m_liaisons.Lier(seconde, d.HorlogeSecondeOption);
    rafraichissement->addWidget(minute, 1, 1);
    rafraichissement->addWidget(seconde, 1, 2);
    auto* groupeRafraichissement = Groupe("Rafraîchissement", rafraichissement);
    groupeRafraichissement->setToolTip(QStringLiteral("Fréquence de réaffichage des éléments de Pulsodex"));

    auto* messages = new QGridLayout;
    auto* jamais = Radio("JamaisRepeterOption", "Ne &Jamais répéter");
    jamais->setToolTip(
        QStringLiteral("L'avertissement de ressource faible ne sera affiché qu'une seule fois"));
    auto* repeter = Radio("RepeterOption", "Ré&péter tous les");
    repeter->setToolTip(
        QStringLiteral("L'avertissement de ressource faible sera réaffiché tous les n rafraichissements"));
    auto* nombre = Nomme(new QLineEdit, "NiceAvertissementBox");
    nombre->setFixedWidth(48);
    auto* sonore = Case("SonoreCheck", "Jouer le fichier son associé");
    sonore->setToolTip(QStringLiteral("Joue le fichier '.wav' associé par Windows"));
    m_liaisons.Lier(jamais, d.JamaisRepeterOption);
    m_liaisons.Lier(repeter, d.RepeterOption);
    m_liaisons.Lier(nombre, d.NiceAvertissementBox, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.Lier(sonore, d.SonoreCheck);
    m_liaisons.SurFocus(
        nombre, [&d] { d.NiceAvertissementBoxEntree(); }, [&d] { d.NiceAvertissementBoxSortie(); });
    m_liaisons.SurFocus(
        repeter, [&d] { d.RepeterOptionEntree(); }, nullptr);
    messages->addWidget(jamais, 0, 0, 1, 3);
    messages->addWidget(repeter, 1, 0);
    messages->addWidget(nombre, 1, 1);
    messages->addWidget(new QLabel(QStringLiteral("rafraîchissements")), 1, 2);
    messages->addWidget(sonore, 2, 0, 1, 3);

    auto* grille = new QGridLayout(page);
    grille->addWidget(Groupe("Démarrage", demarrage), 0, 0);
    grille->addWidget(Groupe("Organisation", organisation), 0, 1);
    grille->addWidget(Groupe("Fenêtre", fenetre), 1, 0);
    grille->addWidget(Groupe("Format d'affichage", formats), 1, 1);
    grille->addWidget(Groupe("Mémoire libre", memoire), 2, 0);
    grille->addWidget(Groupe("Double clic disque", shell), 2, 1);
    grille->addWidget(groupeRafraichissement, 3, 0);
    grille->addWidget(Groupe("Messages", messages), 3, 1);
    grille->setRowStretch(4, 1);
    return page;
}

QWidget* FenetreOptions::PageAvance() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "AvanceTabSheet");
    auto* categories = Nomme(new QListWidget, "CategorieList");
    auto* elements = Nomme(new QListWidget, "ElementList");
    auto* description = Nomme(new QLabel, "ElementLabel");
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

QWidget* FenetreOptions::PageStyle() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "FontesTabSheet");
    auto* polices = Nomme(new QListWidget, "FontList");
    auto* tailles = Nomme(new QListWidget, "TailleList");
    m_liaisons.Lier(polices, d.FontList, [&d] { d.FontListClick(); });
    m_liaisons.Lier(tailles, d.TailleList, [&d] { d.TailleListClick(); });
    auto* style = Nomme(new QComboBox, "StyleCombo");
    auto* bord = Nomme(new QComboBox, "BordCombo");
    auto* couleurTexte = Nomme(new QComboBox, "CouleurTexteCombo");
    auto* couleurFond = Nomme(new QComboBox, "CouleurFondCombo");
    m_liaisons.Lier(style, d.StyleCombo, [&d] { d.StyleComboChange(); });
    m_liaisons.Lier(bord, d.BordCombo, [&d] { d.BordComboChange(); });
    m_liaisons.Lier(couleurTexte, d.CouleurTexteCombo, [&d] { d.CouleurTexteComboChange(); });
    m_liaisons.Lier(couleurFond, d.CouleurFondCombo, [&d] { d.CouleurFondComboChange(); });
    auto* formeTexte = new PastilleCouleur(QStringLiteral("CouleurTexteShape"));
    auto* formeFond = new PastilleCouleur(QStringLiteral("CouleurFondShape"));
    m_liaisons.Lier(formeTexte, d.CouleurTexteShape, [&d] { d.FormeClic(d.CouleurTexteShape); });
    m_liaisons.Lier(formeFond, d.CouleurFondShape, [&d] { d.FormeClic(d.CouleurFondShape); });
    auto* transparence = Case("TransparenceCheck", "Transparence :");
    auto* curseur = Nomme(new QSlider(Qt::Horizontal), "TransparenceBar");
    curseur->setSingleStep(10);
    curseur->setPageStep(10);
    curseur->setTickInterval(10);
    curseur->setTickPosition(QSlider::TicksBelow);
    auto* pourcent = Nomme(new QLabel, "TransparenceLabel");
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
        auto* pastille = new PastilleCouleur(QStringLiteral("Shape%1").arg(rang + 1));
        m_liaisons.Lier(pastille, *forme, [&d, forme = forme] { d.FormeClic(*forme); });
        jauges->addWidget(pastille, rang, 0);
        jauges->addWidget(new QLabel(QString::fromLatin1(texte)), rang, 1);
        ++rang;
    }

    m_exemple = Nomme(new QLabel(QString::fromLatin1(TexteExemple)), "FontPanel");
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

QWidget* FenetreOptions::PageServeurs() {
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

QWidget* FenetreOptions::PageMiseAJour() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "MiseAJourTabSheet");
    auto* verifier =
        Case("MiseAJourCheck", "Vérifier au démarrage si une nouvelle version de Pulsodex XP est disponible");
    m_liaisons.Lier(verifier, d.MiseAJourCheck);
    auto* proxy = Case("ProxyCheck", "Ma connexion Internet requiert l'utilisation d'un serveur proxy");
    auto* hote = Nomme(new QLineEdit, "ProxyEdit");
    auto* port = Nomme(new QLineEdit, "ProxyPortEdit");
    auto* etiquetteHote = Nomme(new QLabel, "ProxyLabel");
    auto* etiquettePort = Nomme(new QLabel, "ProxyPortLabel");
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
    auto* mise = new QVBoxLayout(page);
    mise->addWidget(verifier);
    mise->addWidget(Groupe("Serveur Proxy", serveur));
    mise->addWidget(Groupe("Informations de confidentialité", confidentialite));
    mise->addStretch();
    return page;
}

bool FenetreOptions::Sauvee() const {
    return m_etat.Enregistre;
}

} // namespace pulsodex
