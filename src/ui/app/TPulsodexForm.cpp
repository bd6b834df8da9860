#include "TPulsodexForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "CoolBar.h"
#include "PanneauDisque.h"
#include "Panneaux.h"
#include "Peintres.h"
#include "adaptateurs/Conversions.h"
#include "aide/Aide.h"
#include "app/Agenda.h"
#include "app/Avertissements.h"
#include "app/ChronoPeinture.h"
#include "app/Disque.h"
#include "app/GeometrieFenetre.h"
#include "app/Horloge.h"
#include "app/Lecteurs.h"
#include "app/PersistanceBandes.h"
#include "app/Reorganisation.h"
#include "commun/FormatDateHeure.h"
#include "commun/Produit.h"
#include "commun/Trace.h"
#include "config/FenetreOptions.h"
#include "config/dialog/TOptionsForm.h"
#include "interfaces/Ecran.h"
#include "interfaces/Horloge.h"
#include "interfaces/InfosSysteme.h"
#include "interfaces/Lanceur.h"
#include "interfaces/Presentateur.h"
#include "net/ServeurBureau.h"
#include "net/VerificationMiseAJour.h"
#include "probes/Deconnexion.h"
#include "probes/Disques.h"
#include "probes/OuvertureDisque.h"
#include "probes/TCpuInfo.h"
#include "shell/DialogueResolutionQt.h"
#include "shell/TAboutBox.h"
#include "shell/TQuitterForm.h"
#include "shell/TTaskBarIcon.h"

namespace pulsodex {

namespace {

// Les six bandes fixes ont les clés -1 à -6 ; les lecteurs, leur emplacement.
constexpr std::size_t NombreBandesFixes = 6;
constexpr int CleBandeFixe(std::size_t i) {
    return -static_cast<int>(i) - 1;
}
constexpr std::size_t IndiceBandeFixe(int cle) {
    return static_cast<std::size_t>(-cle - 1);
}

QPointer<TQuitterForm> g_quitterForm;

QAction* Action(QMenu* menu, const char* nom, const char* texte) {
    QAction* action = menu->addAction(QString::fromUtf8(texte));
    action->setObjectName(QString::fromLatin1(nom));
    return action;
}
} // namespace

TPulsodexForm::TPulsodexForm(ServicesFenetre services, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_sondesMemoire(m_services.Memoire), m_cpu(m_services.Processeur), m_cycle(m_sondesMemoire, m_cpu),
      m_format(FormatNombres::De(m_services.Locale)),
      m_marqueurQuitter(m_services.RepertoireProgramme + MarqueurQuitter),
      m_marqueurRedemarrer(m_services.RepertoireProgramme + MarqueurRedemarrer),
      m_taches([lanceur = &m_services.Lancement, fichier = m_services.RepertoireProgramme + NomTachesErr](
                   const TacheALancer& tache) { ExecuterTache(tache, *lanceur, fichier); }),
      m_agenda{m_services.Locale,
               [this](const std::string& texte, std::uint16_t son) {
                   m_services.Boites.Message(texte, LegendeEvenement, son);
               },
               [this](bool actif) { Sablier(actif); },
               [this](TacheALancer tache) {
                   m_taches.Ajouter(std::move(tache));
               }} {
    setObjectName(QStringLiteral("PulsodexForm"));
    setWindowTitle(Q(produit::TitreApplication));
    setMinimumWidth(18);
    resize(224, 161);
    setFocusPolicy(Qt::StrongFocus);
    CreerComposants();
    CreerMenu();
}

TPulsodexForm::~TPulsodexForm() {
    // Les lancements en cours finissent d'ordinaire en un instant ; un lancement
    // bloqué n'est pas attendu plus longtemps.
    m_taches.AttendreVide(std::chrono::seconds(2));
}

void TPulsodexForm::CreerComposants() {
    HeureTimer = new QTimer(this);
    HeureTimer->setObjectName(QStringLiteral("HeureTimer"));
    // Précis : le tic de la minute tombe sur la minute pleine.
    HeureTimer->setTimerType(Qt::PreciseTimer);
    connect(HeureTimer, &QTimer::timeout, this, &TPulsodexForm::HeureTimerTimer);
    Minuterie = new QTimer(this);
    Minuterie->setObjectName(QStringLiteral("Minuterie"));
    connect(Minuterie, &QTimer::timeout, this, &TPulsodexForm::MinuterieTimer);

    PulsodexPanel = new QWidget(this);
    PulsodexPanel->setObjectName(QStringLiteral("PulsodexPanel"));
    PulsodexPanel->setAutoFillBackground(true);
    m_coolBar = new CoolBar(PulsodexPanel);
    connect(m_coolBar, &CoolBar::HauteurChangee, this, [this](int) { AjusterHauteur(); });
    SuivreSouris(PulsodexPanel);
    SuivreSouris(m_coolBar);

    auto bande = [this](PanneauBande*& panneau, BoiteJauge** boite, const char* nomPanneau,
                        const char* nomBoite, int cle, const char* bulle) {
        panneau = new PanneauBande(QString::fromLatin1(nomPanneau));
        panneau->setToolTip(QString::fromUtf8(bulle));
        panneau->resize(218, 20);
        if (boite != nullptr) {
            *boite = new BoiteJauge(QString::fromLatin1(nomBoite));
            panneau->FixerContenu(*boite);
            SuivreSouris(*boite);
        }
        SuivreSouris(panneau);
        m_coolBar->AjouterBande(panneau, cle);
    };
    // Ordre de conception des bandes.
    bande(DateHeurePanel, nullptr, "DateHeurePanel", "", -1, "Date et/ou Heure");
    bande(MemPanel, &MemPaintBox, "MemPanel", "MemPaintBox", -2, "");
    bande(MemoryLoadPanel, &MemoryLoadPaintBox, "MemoryLoadPanel", "MemoryLoadPaintBox", -4,
          "Taux d'utilisation mémoire");
    bande(RealMemPanel, &RealMemPaintBox, "RealMemPanel", "RealMemPaintBox", -3, "");
    bande(CpuPanel, &CpuPaintBox, "CpuPanel", "CpuPaintBox", -5, "Taux d'utilisation processeur");
    bande(CpuMoyPanel, &CpuMoyPaintBox, "CpuMoyPanel", "CpuMoyPaintBox", -6,
          "Taux moyen d'utilisation processeur ");

    const std::pair<BoiteJauge*, JaugeFixe> jauges[] = {{MemPaintBox, JaugeFixe::Mem},
                                                        {RealMemPaintBox, JaugeFixe::RealMem},
                                                        {MemoryLoadPaintBox, JaugeFixe::MemoryLoad},
                                                        {CpuPaintBox, JaugeFixe::Cpu},
                                                        {CpuMoyPaintBox, JaugeFixe::CpuMoy}};
    for (const auto& [boite, jauge] : jauges) {
        boite->Peindre = [this, jauge = jauge](QPainter& peintre, const QRect& zone) {
            PeindreJauge(jauge, peintre, zone);
        };
    }
}

void TPulsodexForm::PeindreJauge(JaugeFixe jauge, QPainter& peintre, const QRect& zone) {
    if (!m_config) {
        return;
    }
    const ContenuJauge contenu = Contenu(jauge, *m_config, m_cycle.Courants(), m_format);
    PeindreBarre(peintre, zone, contenu.Pourcent, contenu.Inverse, contenu.Legende);
}

void TPulsodexForm::PeindreBarre(QPainter& peintre, const QRect& zone, std::uint8_t pourcent, bool inverse,
                                 const std::string& legende) {
    SetImagePourcent(peintre, zone, pourcent, inverse, *m_config);
    SetImageText(peintre, zone, Q(legende), font(), CouleurQt(m_config->Fonte.Couleur));
    if (m_chrono != nullptr) {
        if (const auto delai = m_chrono->Peinte()) {
            std::fputs(LigneChrono(*delai).c_str(), stderr);
        }
    }
}

void TPulsodexForm::CreerMenu() {
    OutilsMenu = new QMenu(this);
    OutilsMenu->setObjectName(QStringLiteral("OutilsMenu"));
    ConfigurationMenu = Action(OutilsMenu, "ConfigurationMenu", "&Configuration");
    ReorgManuel = OutilsMenu->addMenu(QStringLiteral("Réorganisation ma&nuelle"));
    ReorgManuel->setObjectName(QStringLiteral("ReorgManuel"));
    enLigneManuelMenu = Action(ReorgManuel, "enLigneManuelMenu", "en &Ligne");
    enColonneManuelMenu = Action(ReorgManuel, "enColonneManuelMenu", "en &Colonne");
    AvanceManuelMenu = Action(ReorgManuel, "AvanceManuelMenu", "&Avancée");
    ReorgAuto = OutilsMenu->addMenu(QStringLiteral("Réorganisation &automatique"));
    ReorgAuto->setObjectName(QStringLiteral("ReorgAuto"));
    enLigneAutoMenu = Action(ReorgAuto, "enLigneAutoMenu", "en &Ligne");
    enColonneAutoMenu = Action(ReorgAuto, "enColonneAutoMenu", "en &Colonne");
    AvanceAutoMenu = Action(ReorgAuto, "AvanceAutoMenu", "&Avancée");
    for (QAction* a : {enLigneAutoMenu, enColonneAutoMenu, AvanceAutoMenu}) {
        a->setCheckable(true);
    }
    MasquerMenu = Action(OutilsMenu, "MasquerMenu", "&Masquer");
    VerrouillerMenu = Action(OutilsMenu, "VerrouillerMenu", "&Verrouiller les jauges");
    VerrouillerMenu->setCheckable(true);
    OutilsMenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    ErreursLancementMenu = Action(OutilsMenu, "ErreursLancementMenu", "Erreurs de &lancement");
    EffacerErreurMenu = Action(OutilsMenu, "EffacerErreurMenu", "Effacer &fichier des erreurs");
    OutilsMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    MiseAJourMenu = Action(OutilsMenu, "MiseAJourMenu", "Vérifier si une mise à jour est disponible");
    AideMenu = Action(OutilsMenu, "AideMenu", "A&ide");
    AProposMenu = Action(OutilsMenu, "AProposMenu", "A &propos");
    OutilsMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    QuitterMenu = Action(OutilsMenu, "QuitterMenu", "&Quitter");

    connect(ErreursLancementMenu, &QAction::triggered, this, &TPulsodexForm::ErreursLancementMenuClick);
    connect(EffacerErreurMenu, &QAction::triggered, this, &TPulsodexForm::EffacerErreurMenuClick);
    connect(ConfigurationMenu, &QAction::triggered, this, &TPulsodexForm::ConfigurationMenuClick);
    connect(enLigneManuelMenu, &QAction::triggered, this, &TPulsodexForm::enLigneManuelMenuClick);
    connect(enColonneManuelMenu, &QAction::triggered, this, &TPulsodexForm::enColonneManuelMenuClick);
    connect(AvanceManuelMenu, &QAction::triggered, this, &TPulsodexForm::AvanceManuelMenuClick);
    connect(enLigneAutoMenu, &QAction::triggered, this, &TPulsodexForm::enLigneAutoMenuClick);
    connect(enColonneAutoMenu, &QAction::triggered, this, &TPulsodexForm::enColonneAutoMenuClick);
    connect(AvanceAutoMenu, &QAction::triggered, this, &TPulsodexForm::AvanceAutoMenuClick);

    connect(MasquerMenu, &QAction::triggered, this, &TPulsodexForm::MasquerMenuClick);
    connect(VerrouillerMenu, &QAction::triggered, this, &TPulsodexForm::VerrouillerMenuClick);
    connect(QuitterMenu, &QAction::triggered, this, &TPulsodexForm::QuitterMenuClick);
    connect(AideMenu, &QAction::triggered, this, &TPulsodexForm::AideMenuClick);
    connect(AProposMenu, &QAction::triggered, this, &TPulsodexForm::AProposMenuClick);
    connect(MiseAJourMenu, &QAction::triggered, this, &TPulsodexForm::MiseAJourMenuClick);
}

void TPulsodexForm::SuivreSouris(QWidget* controle) {
    controle->setMouseTracking(true);
    controle->installEventFilter(this);
}

void TPulsodexForm::FixerIconeBarre(TTaskBarIcon* icone) {
    m_iconeBarre = icone;
    if (m_iconeBarre != nullptr) {
        connect(m_iconeBarre, &TTaskBarIcon::Restaurer, this, &TPulsodexForm::Restaurer);
    }
}

void TPulsodexForm::Sablier(bool actif) {
    if (actif && !m_sablier) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!actif && m_sablier) {
        QApplication::restoreOverrideCursor();
    }
    m_sablier = actif;
}

// --- Création ---

void TPulsodexForm::FormCreate() {
    TraceProcedure trace("TPulsodexForm.FormCreate");
    Sablier(true);
    m_journal = std::make_unique<JournalErreurs>(m_services.RepertoireProgramme, m_services.Montre,
                                                 m_services.Locale, m_services.Infos);
    m_config = std::make_unique<TConfig>(
        TConfig::Services{m_services.Reg, m_services.Boites, m_services.Affichage, m_services.Demarrages,
                          m_services.Locale, &m_services.Mesureur, m_services.CheminProgramme});
    m_config->PositionCourante = [this] {
        return PositionFenetre{y(), x(), width()};
    };
    m_config->ChargeTout();
    if (m_fermee) {
        return; // fermée pendant une question du chargement
    }
    m_dialogueResolution = std::make_unique<DialogueResolutionQt>(this, [this](bool coche) {
        // « Ne plus poser cette question » : gardé au moment du clic.
        m_config->MultiResolution = !coche;
        m_config->SauveMultiResolution();
        m_config->Enregistrer();
    });
    m_resolution = std::make_unique<SurveillanceResolution>(*m_config, m_services.Affichage,
                                                            *m_dialogueResolution, [this] {
                                                                Cacher();
                                                                m_config->ChargeEnvironnement();
                                                                show();
                                                            });
    m_config->Enregistrer();
    if (m_config->TestMiseAJour) {
        LancerVerificationMiseAJour(net::OrigineVerification::Demarrage);
    }
    AppliquerStyleFenetre();
    if (m_config->Demarrage == 1) {
        QTimer::singleShot(0, this, &TPulsodexForm::Minimiser);
    }
    AReconstruire = true;
}

void TPulsodexForm::AppliquerStyleFenetre() {
    const bool dessus = m_config && m_config->AuDessus;
    if (dessus != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
        if (visible) {
            show();
        }
    }
}

// --- Construction et démontage ---

std::array<PanneauBande*, 6> TPulsodexForm::BandesFixes() const {
    return {DateHeurePanel, MemPanel, RealMemPanel, MemoryLoadPanel, CpuPanel, CpuMoyPanel};
}

std::array<bool, 6> TPulsodexForm::VisibilitesFixes() const {
    const TConfig& c = *m_config;
    return {c.Date || c.Heure,        c.Mem, c.MemPhysique, c.MemoryLoad, c.ChargeProcesseur,
            c.MoyenneChargeProcesseur};
}

void TPulsodexForm::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (QWindow* fenetre = windowHandle(); fenetre != nullptr && !fenetre->isExposed()) {
        fenetre->installEventFilter(this);
        m_miseEnPlace = true;
    }
    FormShow();
}

void TPulsodexForm::FinirMiseEnPlace() {
    m_miseEnPlace = false;
    if (m_config && !EnConstruction && width() != m_largeurPrecedente) {
        Arranger(m_config->Organisation);
        m_largeurPrecedente = width();
    }
    AjusterHauteur();
}

void TPulsodexForm::FormShow() {
    if (!AReconstruire || !m_config) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.FormShow");
    TConfig& c = *m_config;
    AReconstruire = false;
    EnConstruction = true;
    ++m_constructions;

    // Une reconstruction faite sous une fenêtre modale (« &Charger » pendant une
    // alarme) ne doit pas permettre une seconde fenêtre par-dessus.
    if (QApplication::activeModalWidget() == nullptr) {
        MessageEnCours = false;
    }
    m_cycle.Reinitialiser();
    setFont(PoliceQt(c.Fonte));

    FixerTrace("TPulsodexForm.FormShow (10)");
    c.DisqueListe = !LecteursListes(c.ListeDisques, c.TotalDisque).empty();
    if (!c.DisqueListe) {
        c.TotalDisque = false;
    }
    // Les sondes des lecteurs relèvent l'espace au rythme du rafraîchissement.
    m_services.Disques.FixerCadence(std::chrono::milliseconds(c.Rafraichissement));
    CreerDisques();

    FixerTrace("TPulsodexForm.FormShow (20)");
    const int haut = std::max(c.Charge_PositionTop(), 0);
    const int gauche = std::max(c.Charge_PositionLeft(), 0);
    const int largeur = std::max(c.Charge_Taille(), minimumWidth());
    // À sa largeur avant que les bandes ne la fassent grandir, et placée une
    // seule fois, à sa place finale : sous un gestionnaire de fenêtres, une
    // taille ou une position intermédiaire reviendrait après coup (et une
    // position hors des écrans y serait corrigée à sa façon).
    resize(largeur, height());

    FixerTrace("TPulsodexForm.FormShow (30)");
    const auto visibles = VisibilitesFixes();
    for (std::size_t i = 0; i < visibles.size(); ++i) {
        m_coolBar->FixerVisible(CleBandeFixe(i), visibles[i]);
    }
    FixerTrace("TPulsodexForm.FormShow (40)");
    RestaurerDisposition(m_coolBar->Modele(), c, ClesBandes());
    FixerTrace("TPulsodexForm.FormShow (50)");
    m_coolBar->Disposer();

    // Couleurs, bords, hauteurs.
    const QColor fond = CouleurQt(c.CouleurFond);
    QPalette palette = PulsodexPanel->palette();
    palette.setColor(QPalette::Window, fond);
    PulsodexPanel->setPalette(palette);
    const int h = c.HauteurBoite();
    QPalette texte = DateHeurePanel->palette();
    texte.setColor(QPalette::WindowText, CouleurQt(c.Fonte.Couleur));
    const auto bandes = BandesFixes();
    for (std::size_t i = 0; i < bandes.size(); ++i) {
        PanneauBande* panneau = bandes[i];
        panneau->FixerFond(fond);
        panneau->FixerBord(c.Bord);
        panneau->setPalette(texte);
        panneau->resize(panneau->width(), h + 4);
        m_coolBar->FixerHauteurControle(CleBandeFixe(i), h + 4);
        if (auto* boite = qobject_cast<BoiteJauge*>(panneau->Contenu())) {
            boite->FixerFond(fond);
            boite->resize(boite->width(), h - 2);
        }
    }
    MemPaintBox->setToolTip(
        Q("Mémoire totale disponible" + ChaineTaille(m_sondesMemoire.GetMaxMem(), m_format)));
    RealMemPaintBox->setToolTip(
        Q("Mémoire physique disponible" + ChaineTaille(m_sondesMemoire.GetMaxRealMem(), m_format)));

    FixerTrace("TPulsodexForm.FormShow (60)");
    m_resolution->Reinitialiser();

    // L'arrangement choisi, une fois, à la largeur gardée ; puis sur les écrans présents.
    Arranger(c.Organisation);
    const Rectangle place =
        GarderSurEcrans({gauche, haut, width(), height()}, m_services.Affichage.ZonesTravail());
    move(place.Gauche, place.Haut);
    // Demandée même quand elle ne change pas : sans cela, le gestionnaire de
    // fenêtres choisirait lui-même où poser la barre.
    if (QWindow* fenetre = windowHandle()) {
        fenetre->setPosition(place.Gauche, place.Haut);
    }

    CocherOrganisation();
    VerrouillerMenu->setChecked(c.Verrouillage);
    m_coolBar->FixerVerrouille(c.Verrouillage);
    setWindowOpacity(c.Transparence ? c.TauxTransparence / 255.0 : 1.0);
    Sablier(false);
    // Construite dès maintenant : un tic peut ouvrir une fenêtre modale pendant
    // laquelle le programme se ferme, et la fermeture doit alors tout garder.
    m_construite = true;
    EnConstruction = false;

    // L'horloge, puis le rafraîchissement, chacun une fois tout de suite.
    HeureTimer->start(1);
    HeureTimerTimer();
    if (m_fermee) {
        return;
    }
    const bool bandeEchantillonnee = c.Mem || c.MemPhysique || c.MemoryLoad || c.ChargeProcesseur ||
                                     c.MoyenneChargeProcesseur || c.DisqueListe;
    if (bandeEchantillonnee) {
        // Une période nulle arrête le minuteur au lieu de le faire tourner sans fin.
        if (c.Rafraichissement > 0) {
            Minuterie->start(c.Rafraichissement);
        } else {
            Minuterie->stop();
        }
        MinuterieTimer();
        if (m_fermee) {
            return;
        }
    } else {
        Minuterie->stop();
    }
    ActiverServeur();
}

std::vector<int> TPulsodexForm::ClesBandes() const {
    std::vector<int> cles;
    for (std::size_t i = 0; i < NombreBandesFixes; ++i) {
        cles.push_back(CleBandeFixe(i));
    }
    for (int emplacement = 1; emplacement <= NombreDisques(); ++emplacement) {
        cles.push_back(emplacement);
    }
    return cles;
}

std::vector<int> TPulsodexForm::ClesCanoniques() const {
    // Les clés des bandes, sans les bandes fixes cachées.
    const auto visibles = VisibilitesFixes();
    std::vector<int> cles = ClesBandes();
    std::erase_if(cles, [&visibles](int cle) { return cle < 0 && !visibles[IndiceBandeFixe(cle)]; });
    return cles;
}

void TPulsodexForm::Arranger(std::uint8_t organisation) {
    if (organisation < 1 || organisation > 3) {
        return;
    }
    const bool dejaEnConstruction = EnConstruction;
    EnConstruction = true;
    Reorganiser(m_coolBar->Modele(), organisation, ClesCanoniques(), m_coolBar->LargeurUtile());
    m_coolBar->Disposer();
    AjusterHauteur();
    EnConstruction = dejaEnConstruction;
}

void TPulsodexForm::CocherOrganisation() {
    enLigneAutoMenu->setChecked(m_config->Organisation == 1);
    enColonneAutoMenu->setChecked(m_config->Organisation == 2);
    AvanceAutoMenu->setChecked(m_config->Organisation == 3);
}

void TPulsodexForm::ChoisirOrganisation(std::uint8_t organisation) {
    m_config->Organisation = organisation;
    CocherOrganisation();
    m_config->SauveOrganisation();
    m_config->Enregistrer();
}

void TPulsodexForm::ReorganiserManuel(std::uint8_t organisation) {
    ChoisirOrganisation(0);
    Arranger(organisation);
}

void TPulsodexForm::ReorganiserAuto(std::uint8_t organisation) {
    // Une seconde fois : retour à la disposition manuelle, les bandes restent où elles sont.
    ChoisirOrganisation(m_config->Organisation == organisation ? 0 : organisation);
    if (m_config->Organisation != 0) {
        Arranger(organisation);
    }
}

// --- Les lecteurs ---

void TPulsodexForm::CreerDisques() {
    TConfig& c = *m_config;
    const int h = c.HauteurBoite();
    const QColor fond = CouleurQt(c.CouleurFond);
    auto creer = [&](int emplacement, std::uint8_t lecteur) {
        m_disques[static_cast<std::size_t>(emplacement - 1)] = std::make_unique<TDisque>(
            emplacement, lecteur, c.IndicateurRemplissageDisque, m_services.Disques, m_format);
        auto* panneau = new PanneauDisque(emplacement, c.IndicateurRemplissageDisque, h, c.Bord, fond);
        m_panneauxDisques[static_cast<std::size_t>(emplacement - 1)] = panneau;
        panneau->DisquePaintBox->Peindre = [this, emplacement](QPainter& peintre, const QRect& zone) {
            PeindreDisque(emplacement, peintre, zone);
        };
        panneau->DisquePaintBox->DoubleClic = [this, emplacement] {
            const TDisque* d = Disque(emplacement);
            if (d == nullptr || m_config->OuvertureDisque.empty() || d->Lecteur == 0) {
                return;
            }
            Sablier(true);
            OuvrirDisque(m_services.Disques, d->Lecteur, m_config->OuvertureDisque, m_services.Lancement);
            Sablier(false);
        };
        if (panneau->RemplissagePaintBox != nullptr) {
            panneau->RemplissagePaintBox->Peindre = [this, emplacement](QPainter& peintre,
                                                                        const QRect& zone) {
                if (const TDisque* d = Disque(emplacement)) {
                    SetActivite(peintre, zone, d->Activite, *m_config);
                }
            };
            SuivreSouris(panneau->RemplissagePaintBox);
        }
        // Le panneau et la jauge ne déplacent pas la fenêtre (Ctrl + glisser : la bande).
        for (QWidget* w : {static_cast<QWidget*>(panneau), static_cast<QWidget*>(panneau->DisquePaintBox)}) {
            w->setProperty("deplaceFenetre", false);
            SuivreSouris(w);
        }
        panneau->DisquePaintBox->setToolTip(Q(m_disques[static_cast<std::size_t>(emplacement - 1)]->Bulle));
        m_coolBar->AjouterBande(panneau, emplacement);
        m_coolBar->FixerVisible(emplacement, true);
    };
    const auto lecteurs = LecteursListes(c.ListeDisques, c.TotalDisque);
    const int premier = c.TotalDisque ? 2 : 1;
    const std::size_t nombre = lecteurs.size() + (c.TotalDisque ? 1 : 0);
    m_disques.resize(nombre);
    m_panneauxDisques.resize(nombre);
    for (std::size_t i = 0; i < lecteurs.size(); ++i) {
        creer(premier + static_cast<int>(i), lecteurs[i]);
    }
    if (c.TotalDisque) {
        creer(1, 0);
    }
}

void TPulsodexForm::DetruireDisques() {
    for (std::size_t i = 0; i < m_disques.size(); ++i) {
        m_coolBar->RetirerBande(static_cast<int>(i) + 1);
        delete m_panneauxDisques[i];
    }
    m_panneauxDisques.clear();
    m_disques.clear();
}

void TPulsodexForm::PeindreDisque(int emplacement, QPainter& peintre, const QRect& zone) {
    const TDisque* d = Disque(emplacement);
    if (d == nullptr || !m_config) {
        return;
    }
    const std::uint8_t pourcent = m_config->JaugeDisque ? PourcentageDisque(d->Libre, d->Taille) : 0;
    PeindreBarre(peintre, zone, pourcent, m_config->DisqueInverse, LegendeDisque(*d, m_format));
}

void TPulsodexForm::TraiterDisques() {
    if (!m_config->DisqueListe || m_disques.empty()) {
        return;
    }
    const bool indicateur = m_config->IndicateurRemplissageDisque;
    auto appliquer = [this](int emplacement, const ActionsDisque& a) {
        PanneauDisque* p = PanneauDuDisque(emplacement);
        if (a.Repeindre) {
            p->DisquePaintBox->setToolTip(Q(Disque(emplacement)->Bulle));
            p->DisquePaintBox->update();
        }
        if (a.ActiviteChangee && p->RemplissagePaintBox != nullptr) {
            p->RemplissagePaintBox->update();
        }
    };
    // Un disque à la fois ; une question de déconnexion est modale.
    for (int i = 1; i <= NombreDisques() && !m_fermee; ++i) {
        TDisque* d = Disque(i);
        const ActionsDisque a = Traite_Disque(*d, m_services.Disques, indicateur, m_format);
        appliquer(i, a);
        if (a.ProposerDeconnexion) {
            ProposerDeconnexion(d->Lecteur);
        }
    }
    if (m_fermee || !m_config->TotalDisque || NombreDisques() == 0) {
        return;
    }
    std::vector<const TDisque*> lecteurs;
    for (int i = 2; i <= NombreDisques(); ++i) {
        lecteurs.push_back(Disque(i));
    }
    appliquer(1, TotaliserDisques(*Disque(1), lecteurs, indicateur, m_format));
}

void TPulsodexForm::ProposerDeconnexion(std::uint8_t lecteur) {
    const std::string lettre(1, static_cast<char>(lecteur + 64));
    if (m_services.Boites.Boite(
            "Votre unité réseau " + lettre + " est indisponible, voulez-vous la déconnecter ?",
            produit::Titre, IconeBoite::Avertissement, BoutonsBoite::OuiNon) != ReponseBoite::Oui) {
        return;
    }
    const std::uint32_t code =
        m_services.Deconnexions.WNetCancelConnection2A(m_services.Disques.Carte(), lettre + ":");
    if (const std::string texte = TexteDeconnexion(code); !texte.empty()) {
        m_services.Boites.Boite(texte, produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
    }
}

// --- Les tics ---

void TPulsodexForm::HeureTimerTimer() {
    if (!m_config || m_fermee) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.HeureTimerTimer");
    try {
        const DateHeure maintenant = m_services.Montre.Maintenant();
        DateHeurePanel->FixerTexte(
            Q(FormaterDateHeure(MotifHorloge(*m_config), maintenant, m_services.Locale)));
        DateHeurePanel->repaint();
        LancerEvenements(m_config->Evenements, maintenant, m_config->Sons, MessageEnCours, m_agenda);
        if (m_fermee) {
            return; // fermée pendant un message
        }
        // La seconde d'après l'agenda : un message a pu rester ouvert longtemps.
        HeureTimer->start(ProchainIntervalle(m_config->ModeRafraichissementHorloge,
                                             m_services.Montre.Maintenant().Seconde));
    } catch (const std::exception& erreur) {
        ErreurFatale(erreur.what(),
                     "Une erreur grâve est survenue lors des opérations sur date/heure (HeureTimer). "
                     "L'application va se terminer.");
    }
}

void TPulsodexForm::MinuterieTimer() {
    if (!m_config || m_fermee) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.MinuterieTimer");
    try {
        if (ConsommerMarqueur(m_marqueurQuitter)) {
            FormClose();
            return;
        }
        if (ConsommerMarqueur(m_marqueurRedemarrer)) {
            m_services.Lancement.ShellExecute("", "systemctl", "reboot", "", ModeFenetre::Cachee);
        }
        const Redessins r = m_cycle.Echantillonner(*m_config);
        // Une jauge n'est redessinée que si sa valeur a changé.
        const std::pair<bool, BoiteJauge*> redessins[] = {{r.Cpu, CpuPaintBox},
                                                          {r.CpuMoy, CpuMoyPaintBox},
                                                          {r.MemoryLoad, MemoryLoadPaintBox},
                                                          {r.Mem, MemPaintBox},
                                                          {r.RealMem, RealMemPaintBox}};
        for (const auto& [change, boite] : redessins) {
            if (change) {
                boite->update();
            }
        }
        TraiterDisques();
        if (m_fermee) {
            return;
        }
        if (m_chrono != nullptr) {
            m_chrono->Releve();
        }
        Avertir();
        if (m_fermee) {
            return;
        }
        m_resolution->Surveiller();
    } catch (const std::exception& erreur) {
        ErreurFatale(erreur.what(), "Une erreur grâve est survenue lors des opérations sur ressources "
                                    "(MinuterieTimer). L'application va se terminer.");
    }
}

void TPulsodexForm::ErreurFatale(const std::string& message, const char* texte) {
    if (MessageEnCours) {
        return; // une autre boîte est ouverte : l'erreur est abandonnée
    }
    MessageEnCours = true;
    m_services.Boites.Boite(message, produit::TitreApplication, IconeBoite::Erreur, BoutonsBoite::Ok);
    m_services.Boites.Boite(texte, produit::Titre, IconeBoite::Erreur, BoutonsBoite::Ok);
    MessageEnCours = false;
    // Fermeture par le chemin normal (la disposition est gardée), code 1.
    FormClose();
    QCoreApplication::exit(1);
}

void TPulsodexForm::FormHide() {
    if (!m_construite || !m_config) {
        return;
    }
    m_construite = false;
    TraceProcedure trace("TPulsodexForm.FormHide");
    setWindowOpacity(1.0);
    m_coolBar->AnnulerGlissement();
    SauverDisposition(m_coolBar->Modele(), *m_config, ClesBandes());
    DetruireDisques();
    m_config->Sauve_Position(y(), x(), width());
    m_config->Enregistrer();
    AReconstruire = true;
}

void TPulsodexForm::Cacher() {
    FormHide();
    hide();
}

void TPulsodexForm::closeEvent(QCloseEvent* evenement) {
    FormClose();
    evenement->accept();
}

void TPulsodexForm::FormClose() {
    if (m_fermee) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.FormClose");
    m_fermee = true;
    FormHide();
    hide();
    HeureTimer->stop();
    Minuterie->stop();
    FermerAide();
    ArreterReseau();
    if (m_iconeBarre != nullptr) {
        m_iconeBarre->RetirerIcone();
    }
    // Les réglages et les listes vivent jusqu'à la destruction de la fenêtre :
    // un tic resté dans une fenêtre modale peut encore y revenir.
    emit Terminee();
}

// --- Zone de notification ---

void TPulsodexForm::MasquerMenuClick() {
    TraceProcedure trace("TPulsodexForm.MasquerMenuClick");
    QTimer::singleShot(0, this, &TPulsodexForm::Minimiser);
}

void TPulsodexForm::Minimiser() {
    if (m_fermee || m_dansLaBarre || m_minimiseSansBarre) {
        return;
    }
    if (m_iconeBarre != nullptr && m_iconeBarre->AjouterIcone()) {
        m_dansLaBarre = true;
        hide();
        return;
    }
    // Pas de zone de notification : la fenêtre se réduit avec une entrée dans
    // la barre des tâches, pour pouvoir toujours revenir.
    m_minimiseSansBarre = true;
    setWindowFlag(Qt::Tool, false);
    showMinimized();
}

void TPulsodexForm::Restaurer() {
    if (m_fermee) {
        return;
    }
    if (m_iconeBarre != nullptr) {
        m_iconeBarre->RetirerIcone();
    }
    // Revenue, elle ne garde d'entrée dans la barre des tâches que si l'icône
    // le demande (le programme, lui, n'en veut pas).
    m_minimiseSansBarre = false;
    const bool entreeBarre = m_iconeBarre != nullptr && m_iconeBarre->AfficherApplication;
    if (windowFlags().testFlag(Qt::Tool) == entreeBarre) {
        setWindowFlag(Qt::Tool, !entreeBarre);
    }
    m_dansLaBarre = false;
    showNormal();
    raise();
    activateWindow();
}

void TPulsodexForm::Ramener() {
    if (QWidget* modale = QApplication::activeModalWidget()) {
        modale->raise();
        modale->activateWindow();
        return;
    }
    // Pas encore montrée (question du premier lancement) : elle va l'être.
    if (m_constructions > 0) {
        Restaurer();
    }
}

void TPulsodexForm::changeEvent(QEvent* evenement) {
    QWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::WindowStateChange && m_minimiseSansBarre && !isMinimized()) {
        // Revenue par la barre des tâches : plus d'entrée dans la barre.
        QTimer::singleShot(0, this, &TPulsodexForm::Restaurer);
    }
}

// --- Commandes ---

void TPulsodexForm::QuitterMenuClick() {
    TraceProcedure trace("TPulsodexForm.QuitterMenuClick");
    if (g_quitterForm) {
        return;
    }
    g_quitterForm = new TQuitterForm(this);
    const int resultat = g_quitterForm->exec();
    delete g_quitterForm;
    if (resultat == TQuitterForm::Quitter) {
        FormClose();
    } else if (resultat == TQuitterForm::Masquer) {
        MasquerMenuClick();
    }
}

void TPulsodexForm::Avertir() {
    const std::string phrase = PhraseAlarme(EvaluerAvertissements(
        m_config->Avertissements, m_cycle.Memoire(), m_config->RepeterAvertir, m_services.Disques));
    if (phrase.empty() || MessageEnCours) {
        return; // une autre fenêtre est ouverte : la phrase est abandonnée
    }
    MessageEnCours = true;
    m_services.Boites.Message(phrase, LegendeAlarme, m_config->Sons ? SonExclamation : 0);
    MessageEnCours = false;
}

std::vector<std::string> TPulsodexForm::MontagesSansLettre() {
    std::vector<std::string> points;
    for (const Montage& m : m_services.Disques.MontagesAChoisir()) {
        points.push_back(m.Point);
    }
    return points;
}

void TPulsodexForm::ConfigurationMenuClick() {
    TraceProcedure trace("TPulsodexForm.ConfigurationMenuClick");
    Sablier(true);
    HeureTimer->stop();
    Minuterie->stop();
    std::vector<std::uint8_t> lecteurs;
    lecteurs.reserve(m_disques.size());
    for (const auto& d : m_disques) {
        lecteurs.push_back(d->Lecteur);
    }
    std::vector<std::string> polices;
    for (const QString& famille : QFontDatabase::families()) {
        polices.push_back(S(famille));
    }
    TOptionsForm etat(
        ServicesOptions{*m_config, m_services.Boites, m_services.Locale, std::move(polices),
                        m_services.Infos.Windows2000(), std::move(lecteurs), m_services.Disques.Carte(),
                        [this](std::int32_t couleur) -> std::optional<std::int32_t> {
                            const QColor choisie = QColorDialog::getColor(CouleurQt(couleur), this);
                            if (!choisie.isValid()) {
                                return std::nullopt;
                            }
                            return choisie.red() | (choisie.green() << 8) | (choisie.blue() << 16);
                        },
                        [](int sujet) { AfficherAide(sujet); }, MontagesSansLettre()});
    FenetreOptions dialogue(etat, [this, &etat] {
        EcrireLecteurs(m_services.Reg, etat.Carte());
        return m_config->Enregistrer(TConfig::AvisEchec::Toujours);
    });
    if (m_dialogueOptions) {
        m_dialogueOptions(dialogue);
    }
    Sablier(false);
    Cacher();
    if (dialogue.exec() == QDialog::Accepted) {
        // La carte des lettres suit les réglages appliqués ; elle est gardée
        // tout de suite : une liste enregistrée plus tard (fermeture, autre
        // résolution) ne doit jamais nommer une lettre inconnue.
        m_services.Disques.ChangerCarte(etat.Carte());
        if (!dialogue.Sauvee()) { // « Sauver » l'a déjà écrite
            EcrireLecteurs(m_services.Reg, etat.Carte());
        }
    }
    show();
    AppliquerStyleFenetre();
}

void TPulsodexForm::ErreursLancementMenuClick() {
    TraceProcedure trace("TPulsodexForm.ErreursLancementMenuClick");
    const std::string fichier = m_services.RepertoireProgramme + NomTachesErr;
    if (!std::filesystem::exists(fichier)) {
        m_services.Boites.Boite("Aucune erreur de lancement de tâche n'a été rencontrée.", produit::Titre,
                                IconeBoite::Avertissement, BoutonsBoite::Ok);
        return;
    }
    // L'éditeur de texte du bureau.
    const int reponse = m_services.Lancement.ShellExecute("open", fichier, "", m_services.RepertoireProgramme,
                                                          ModeFenetre::Normale);
    if (reponse <= 32) {
        m_services.Boites.Boite(MessageErreurLancement(reponse) + " (xdg-open)", produit::Titre,
                                IconeBoite::Avertissement, BoutonsBoite::Ok);
    }
}

void TPulsodexForm::EffacerErreurMenuClick() {
    TraceProcedure trace("TPulsodexForm.EffacerErreurMenuClick");
    m_services.Boites.Son(SonQuestion);
    if (m_services.Boites.Boite("Voulez-vous effacer le fichier de lancement des erreurs?", produit::Titre,
                                IconeBoite::Question, BoutonsBoite::OkAnnuler) != ReponseBoite::Ok) {
        return;
    }
    const std::string fichier = m_services.RepertoireProgramme + NomTachesErr;
    if (::unlink(fichier.c_str()) == 0) {
        m_services.Boites.Boite("Fichier des erreurs de lancement de tâche effacé.", produit::Titre,
                                IconeBoite::Information, BoutonsBoite::Ok);
    }
}

void TPulsodexForm::VerrouillerMenuClick() {
    TraceProcedure trace("TPulsodexForm.VerrouillerMenuClick");
    m_config->Verrouillage = !m_config->Verrouillage;
    VerrouillerMenu->setChecked(m_config->Verrouillage);
    m_coolBar->FixerVerrouille(m_config->Verrouillage);
    m_config->SauveVerrouillage();
    m_config->Enregistrer();
}

void TPulsodexForm::AideMenuClick() {
    TraceProcedure trace("TPulsodexForm.AideMenuClick");
    AfficherAide(SujetTableauDeBord);
}

void TPulsodexForm::AProposMenuClick() {
    TraceProcedure trace("TPulsodexForm.AProposMenuClick");
    // Sans identification fournie au démarrage : celle de la machine.
    const SourceProcesseurMachine machine;
    const TCpuInfo parDefaut(machine);
    const TCpuInfo& info = m_cpuInfo != nullptr ? *m_cpuInfo : parDefaut;
    TAboutBox boite(this);
    boite.FixerSysteme(m_services.Infos.WinVer(), info.Processeur(0)->Name()->Nom());
    boite.exec();
}

void TPulsodexForm::TraiteErreur(const std::string& message) {
    if (m_journal) {
        m_journal->Consigner(message);
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const ReponseBoite reponse =
        m_services.Boites.Boite("Erreur de l'application : " + message, produit::TitreApplication,
                                IconeBoite::Erreur, BoutonsBoite::AbandonnerIgnorer);
    QApplication::restoreOverrideCursor();
    if (reponse == ReponseBoite::Abandonner) {
        FormClose();
    }
}

// --- Réseau : serveur de contrôle et mises à jour ---

void TPulsodexForm::FixerEcouteServeur(std::string adresse, std::uint16_t port) {
    m_adresseServeur = std::move(adresse);
    m_portServeur = port;
}

void TPulsodexForm::ActiverServeur() {
    if (!m_config->ModeServeur) {
        // Éteint dans les réglages : plus d'écoute.
        if (m_serveur) {
            m_serveur->Serveur().Desactiver();
        }
        return;
    }
    try {
        if (!m_serveur) {
            m_serveur = std::make_unique<ServeurBureau>(
                m_services.Boites, net::ParametresServeur{m_adresseServeur, m_portServeur});
        }
        m_serveur->Serveur().Activer();
    } catch (const std::exception&) { // NOLINT(bugprone-empty-catch)
        // Port pris ou autre : sans serveur jusqu'au prochain affichage, sans message.
    }
}

void TPulsodexForm::ArreterReseau() {
    if (m_serveur) {
        m_serveur->Serveur().Desactiver();
    }
    if (m_verification) {
        m_verification->Arreter();
    }
}

void TPulsodexForm::LancerVerificationMiseAJour(net::OrigineVerification origine) {
    if (!m_verification) {
        m_verification = std::make_unique<VerificationMiseAJour>(m_services.Boites);
    }
    m_verification->Lancer(
        net::ParametresDepuis(m_config->Proxy, m_config->PortProxy, std::getenv("PULSODEX_MAJ")), origine);
}

void TPulsodexForm::MiseAJourMenuClick() {
    if (!m_fermee && m_config) {
        LancerVerificationMiseAJour(net::OrigineVerification::Menu);
    }
}

// --- Clavier et souris ---

void TPulsodexForm::keyPressEvent(QKeyEvent* evenement) {
    const QString texte = evenement->text().toLower();
    if (texte == QLatin1String("q")) {
        QuitterMenuClick();
    } else if (texte == QLatin1String("c")) {
        if (ConfigurationMenu->isEnabled()) {
            ConfigurationMenu->trigger();
        }
    } else if (texte == QLatin1String("o")) {
        OutilsMenu->popup(mapToGlobal(QPoint(0, 0)));
    } else {
        QWidget::keyPressEvent(evenement);
    }
}

void TPulsodexForm::contextMenuEvent(QContextMenuEvent* evenement) {
    OutilsMenu->popup(evenement->globalPos());
}

void TPulsodexForm::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    // Une taille déjà dépassée, renvoyée par le serveur pendant la mise en
    // place : y répondre redemanderait cette taille, et la position d'alors.
    const bool perimee = m_miseEnPlace && evenement->spontaneous();
    m_hauteurFigee = perimee;
    PulsodexPanel->setGeometry(rect());
    m_coolBar->setGeometry(1, 1, width() - 2, m_coolBar->HauteurPour(width() - 2));
    m_hauteurFigee = false;
    if (perimee) {
        return;
    }
    // Avec une organisation automatique, les bandes suivent la largeur.
    if (!EnConstruction && m_config && width() != m_largeurPrecedente) {
        Arranger(m_config->Organisation);
    }
    m_largeurPrecedente = width();
    AjusterHauteur();
}

void TPulsodexForm::AjusterHauteur() {
    if (m_hauteurFigee) {
        return;
    }
    // La hauteur de la fenêtre suit celle du conteneur.
    const int voulue = m_coolBar->HauteurPour(width() - 2) + 2;
    if (height() != voulue) {
        resize(width(), voulue);
    }
}

bool TPulsodexForm::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == windowHandle() && evenement->type() == QEvent::Expose && m_miseEnPlace &&
        windowHandle()->isExposed()) {
        FinirMiseEnPlace();
        return false;
    }
    auto* controle = qobject_cast<QWidget*>(objet);
    if (controle != nullptr) {
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
            return PressionSouris(controle, static_cast<QMouseEvent*>(evenement));
        case QEvent::MouseMove:
            return DeplacementSouris(controle, static_cast<QMouseEvent*>(evenement));
        case QEvent::MouseButtonRelease:
            m_glissement = Glissement::Aucun;
            if (m_coolBar->Glisse()) {
                m_coolBar->TerminerGlissement(
                    controle->mapTo(m_coolBar, static_cast<QMouseEvent*>(evenement)->position().toPoint()));
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

bool TPulsodexForm::PressionSouris(QWidget* controle, QMouseEvent* evenement) {
    if (evenement->button() != Qt::LeftButton) {
        return false;
    }
    if ((evenement->modifiers() & Qt::ControlModifier) != 0) {
        // Ctrl + glisser : la bande, pas la fenêtre (rien si verrouillé).
        m_coolBar->CommencerGlissement(controle->mapTo(m_coolBar, evenement->position().toPoint()));
        return true;
    }
    if (const QVariant deplace = controle->property("deplaceFenetre");
        deplace.isValid() && !deplace.toBool()) {
        return false; // jauge d'un lecteur : son double-clic ouvre le dossier
    }
    const QPoint local = controle->mapTo(this, evenement->position().toPoint());
    const ZoneSouris zone = ZoneSous(local.x(), width());
    QWindow* fenetre = windowHandle();
    bool systeme = false;
    if (fenetre != nullptr) {
        systeme = zone == ZoneSouris::Deplacement  ? fenetre->startSystemMove()
                  : zone == ZoneSouris::BordGauche ? fenetre->startSystemResize(Qt::LeftEdge)
                                                   : fenetre->startSystemResize(Qt::RightEdge);
    }
    if (!systeme) {
        // Sans gestionnaire de fenêtres : on suit la souris soi-même.
        m_glissement = zone == ZoneSouris::Deplacement  ? Glissement::Deplacement
                       : zone == ZoneSouris::BordGauche ? Glissement::BordGauche
                                                        : Glissement::BordDroit;
        m_departGlobal = evenement->globalPosition().toPoint();
        m_geometrieDepart = geometry();
    }
    return true;
}

bool TPulsodexForm::DeplacementSouris(QWidget* controle, QMouseEvent* evenement) {
    if (m_coolBar->Glisse()) {
        if ((evenement->buttons() & Qt::LeftButton) == 0) {
            m_coolBar->AnnulerGlissement(); // son lâcher s'est perdu
        } else {
            m_coolBar->Glisser(controle->mapTo(m_coolBar, evenement->position().toPoint()));
            return true;
        }
    }
    if (m_glissement != Glissement::Aucun && (evenement->buttons() & Qt::LeftButton) != 0) {
        const QPoint ecart = evenement->globalPosition().toPoint() - m_departGlobal;
        QRect g = m_geometrieDepart;
        switch (m_glissement) {
        case Glissement::Deplacement:
            g.translate(ecart);
            break;
        case Glissement::BordGauche:
            g.setLeft(std::min(g.left() + ecart.x(), g.right() - minimumWidth() + 1));
            break;
        case Glissement::BordDroit:
            g.setRight(std::max(g.right() + ecart.x(), g.left() + minimumWidth() - 1));
            break;
        case Glissement::Aucun:
            break;
        }
        setGeometry(g);
        return true;
    }
    const QPoint local = controle->mapTo(this, evenement->position().toPoint());
    if (ZoneSous(local.x(), width()) == ZoneSouris::Deplacement) {
        unsetCursor();
    } else {
        setCursor(Qt::SizeHorCursor);
    }
    return false;
}

} // namespace pulsodex
