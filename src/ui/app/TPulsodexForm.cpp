#include "ui/app/TPulsodexForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "core/app/BandesFixes.h"
#include "core/app/GeometrieFenetre.h"
#include "core/app/Lecteurs.h"
#include "core/app/PersistanceBandes.h"
#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "core/interfaces/Ecran.h"
#include "core/interfaces/InfosSysteme.h"
#include "core/interfaces/Presentateur.h"
#include "core/probes/Disques.h"
#include "core/probes/TCpuInfo.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/aide/Aide.h"
#include "ui/app/ArrangementBandes.h"
#include "ui/app/BandesFixesQt.h"
#include "ui/app/CoolBar.h"
#include "ui/app/ErreursLancement.h"
#include "ui/app/GestesSouris.h"
#include "ui/app/MenuOutils.h"
#include "ui/app/OuvertureConfiguration.h"
#include "ui/app/PanneauxDisques.h"
#include "ui/app/Peintres.h"
#include "ui/app/PlacementFenetre.h"
#include "ui/app/RangementBarre.h"
#include "ui/app/ReseauFenetre.h"
#include "ui/app/Tics.h"
#include "ui/shell/BoitesSansAttente.h"
#include "ui/shell/DialogueResolutionQt.h"
#include "ui/shell/TAboutBox.h"
#include "ui/shell/TQuitterForm.h"
#include "ui/shell/TTaskBarIcon.h"

namespace pulsodex {

namespace {
QPointer<TQuitterForm> g_quitterForm;
} // namespace

TPulsodexForm::TPulsodexForm(ServicesFenetre services, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_services(std::move(services)),
      m_format(FormatNombres::De(m_services.Locale)) {
    setObjectName(QStringLiteral("PulsodexForm"));
    setWindowTitle(Q(produit::TitreApplication));
    setMinimumWidth(18);
    resize(224, 161);
    setFocusPolicy(Qt::StrongFocus);

    m_panneau = new QWidget(this);
    m_panneau->setObjectName(QStringLiteral("PulsodexPanel"));
    m_panneau->setAutoFillBackground(true);
    m_coolBar = new CoolBar(m_panneau);
    connect(m_coolBar, &CoolBar::HauteurChangee, this, [this](int) { AjusterHauteur(); });
    m_gestes = new GestesSouris(*this, *m_coolBar);
    m_gestes->Suivre(m_panneau);
    m_gestes->Suivre(m_coolBar);
    m_placement = new PlacementFenetre(*this, [this] { FinirMiseEnPlace(); });
    const auto suivre = [this](QWidget* controle) {
        m_gestes->Suivre(controle);
    };
    const auto peindre = [this](QPainter& peintre, const QRect& zone, std::uint8_t pourcent, bool inverse,
                                const std::string& legende) {
        PeindreJauge(peintre, zone, pourcent, inverse, legende, font(), *m_config, m_chrono);
    };
    m_bandesFixes = std::make_unique<BandesFixesQt>(
        *m_coolBar, suivre, [this, peindre](JaugeFixe jauge, QPainter& peintre, const QRect& zone) {
            if (m_config) {
                const ContenuJauge c = Contenu(jauge, *m_config, Courants(), m_format);
                peindre(peintre, zone, c.Pourcent, c.Inverse, c.Legende);
            }
        });
    m_disques = std::make_unique<PanneauxDisques>(
        PanneauxDisques::Services{*m_coolBar, m_services.Disques, m_services.Lancement, m_services.Boites,
                                  m_services.Deconnexions, m_format, suivre, m_sablier, peindre});
    m_menu = std::make_unique<MenuOutils>(*this);
    m_arrangement = std::make_unique<ArrangementBandes>(*m_coolBar, *m_menu, EnConstruction,
                                                        [this] { AjusterHauteur(); });
    m_rangement = std::make_unique<RangementBarre>(*this);
    m_reseau = std::make_unique<ReseauFenetre>(m_services.Boites);
    m_tics = std::make_unique<Tics>(*this, m_services, *m_bandesFixes, *m_disques, m_sablier, MessageEnCours);
    m_tics->FixerReleve(&m_reseau->Releve());
}

TPulsodexForm::~TPulsodexForm() {
    // Aucune boîte ne survit à la fenêtre que ses suites appellent.
    FermerBoitesOuvertes();
}

const Echantillons& TPulsodexForm::Courants() const {
    return m_tics->Courants();
}

bool TPulsodexForm::DansLaBarre() const {
    return m_rangement->DansLaBarre();
}

int TPulsodexForm::NombreDisques() const {
    return m_disques->Nombre();
}

TDisque* TPulsodexForm::Disque(int emplacement) const {
    return m_disques->Disque(emplacement);
}

PanneauDisque* TPulsodexForm::PanneauDuDisque(int emplacement) const {
    return m_disques->Panneau(emplacement);
}

void TPulsodexForm::FixerChrono(ChronoPremierePeinture* chrono) {
    m_chrono = chrono;
    m_tics->FixerChrono(chrono);
}

void TPulsodexForm::FixerIconeBarre(TTaskBarIcon* icone) {
    m_rangement->FixerIcone(icone);
    if (icone != nullptr) {
        connect(icone, &TTaskBarIcon::Restaurer, this, &TPulsodexForm::Restaurer);
    }
}

// --- Création ---

void TPulsodexForm::FormCreate() {
    TraceProcedure trace("TPulsodexForm.FormCreate");
    m_sablier.Poser(true);
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
    m_tics->FixerConfig(m_config.get());
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
    m_tics->FixerResolution(m_resolution.get());
    m_config->Enregistrer();
    if (m_config->TestMiseAJour) {
        m_reseau->VerifierMiseAJour(*m_config, net::OrigineVerification::Demarrage);
    }
    m_placement->GarderAuDessus(m_config && m_config->AuDessus);
    if (m_config->Demarrage == Demarrage::Masquee) {
        QTimer::singleShot(0, this, &TPulsodexForm::Minimiser);
    }
    AReconstruire = true;
}

// --- Construction et démontage ---

void TPulsodexForm::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    m_placement->Commencer();
    FormShow();
}

void TPulsodexForm::FinirMiseEnPlace() {
    if (m_config && !EnConstruction && width() != m_largeurPrecedente) {
        m_arrangement->Arranger(m_config->Organisation, ClesCanoniquesFenetre());
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

    // Une reconstruction faite sous une boîte (« &Charger » pendant une
    // alarme) ne doit pas permettre une seconde fenêtre par-dessus.
    if (NombreBoitesOuvertes() == 0) {
        MessageEnCours = false;
    }
    m_tics->Reinitialiser();
    setFont(PoliceQt(c.Fonte));

    FixerTrace("TPulsodexForm.FormShow (10)");
    c.DisqueListe = !LecteursListes(c.ListeDisques, c.TotalDisque).empty();
    if (!c.DisqueListe) {
        c.TotalDisque = false;
    }
    // Les sondes des lecteurs relèvent l'espace au rythme du rafraîchissement.
    m_services.Disques.FixerCadence(std::chrono::milliseconds(c.Rafraichissement));
    m_disques->Creer(c);

    FixerTrace("TPulsodexForm.FormShow (20)");
    const int haut = std::max(c.Charge_PositionTop(), 0);
    const int gauche = std::max(c.Charge_PositionLeft(), 0);
    const int largeur = std::max(c.Charge_Taille(), minimumWidth());
    // À sa largeur avant que les bandes ne la fassent grandir, et placée une
    // seule fois, à sa place finale : sous un gestionnaire de fenêtres, une
    // taille ou une position intermédiaire reviendrait après coup.
    resize(largeur, height());

    FixerTrace("TPulsodexForm.FormShow (30)");
    m_bandesFixes->Montrer(c);
    FixerTrace("TPulsodexForm.FormShow (40)");
    RestaurerDisposition(m_coolBar->Modele(), c, ClesDesBandes(NombreDisques()));
    FixerTrace("TPulsodexForm.FormShow (50)");
    m_coolBar->Disposer();

    // Couleurs, bords, hauteurs, bulles.
    QPalette palette = m_panneau->palette();
    palette.setColor(QPalette::Window, CouleurQt(c.CouleurFond));
    m_panneau->setPalette(palette);
    m_bandesFixes->Habiller(c, c.HauteurBoite());
    m_bandesFixes->BullesMemoire(m_tics->Memoire(), m_format);

    FixerTrace("TPulsodexForm.FormShow (60)");
    m_resolution->Reinitialiser();

    // L'arrangement choisi, une fois, à la largeur gardée ; puis sur les écrans présents.
    m_arrangement->Arranger(c.Organisation, ClesCanoniquesFenetre());
    m_placement->Poser(gauche, haut, m_services.Affichage.ZonesTravail());

    m_menu->CocherOrganisation(c.Organisation);
    m_menu->CocherVerrou(c.Verrouillage);
    m_coolBar->FixerVerrouille(c.Verrouillage);
    setWindowOpacity(c.Transparence ? c.TauxTransparence / 255.0 : 1.0);
    m_sablier.Poser(false);
    // Construite dès maintenant : un tic peut ouvrir une boîte pendant
    // laquelle le programme se ferme, et la fermeture doit alors tout garder.
    m_construite = true;
    EnConstruction = false;

    // L'horloge, puis le rafraîchissement, chacun une fois tout de suite.
    m_tics->Demarrer();
    if (!m_fermee) {
        m_reseau->ActiverServeur(c);
        m_reseau->ActiverMesures(c);
    }
}

std::vector<int> TPulsodexForm::ClesCanoniquesFenetre() const {
    return ClesCanoniques(NombreDisques(), *m_config);
}

void TPulsodexForm::ReorganiserManuel(Organisation organisation) {
    m_arrangement->Manuel(*m_config, organisation, ClesCanoniquesFenetre());
}

void TPulsodexForm::ReorganiserAuto(Organisation organisation) {
    m_arrangement->Automatique(*m_config, organisation, ClesCanoniquesFenetre());
}

void TPulsodexForm::FormHide() {
    if (!m_construite || !m_config) {
        return;
    }
    m_construite = false;
    TraceProcedure trace("TPulsodexForm.FormHide");
    setWindowOpacity(1.0);
    m_coolBar->AnnulerGlissement();
    SauverDisposition(m_coolBar->Modele(), *m_config, ClesDesBandes(NombreDisques()));
    m_disques->Detruire();
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
    // Les boîtes encore ouvertes se ferment avec le programme.
    m_services.Boites.FermerTout();
    FermerBoitesOuvertes();
    FormHide();
    hide();
    m_tics->Arreter();
    FermerAide();
    m_reseau->Arreter();
    m_rangement->RetirerIcone();
    // Les réglages et les listes vivent jusqu'à la destruction de la fenêtre.
    emit Terminee();
}

// --- Les tics ---

void TPulsodexForm::HeureTimerTimer() {
    m_tics->Horloge();
}

void TPulsodexForm::MinuterieTimer() {
    m_tics->Rafraichir();
}

// --- Zone de notification ---

void TPulsodexForm::MasquerMenuClick() {
    TraceProcedure trace("TPulsodexForm.MasquerMenuClick");
    QTimer::singleShot(0, this, &TPulsodexForm::Minimiser);
}

void TPulsodexForm::Minimiser() {
    if (!m_fermee) {
        m_rangement->Ranger();
    }
}

void TPulsodexForm::Restaurer() {
    if (!m_fermee) {
        m_rangement->Restaurer();
    }
}

void TPulsodexForm::Ramener() {
    // Pas encore montrée (question du premier lancement) : elle va l'être.
    if (!m_fermee) {
        m_rangement->Ramener(m_constructions > 0);
    }
}

void TPulsodexForm::changeEvent(QEvent* evenement) {
    QWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::WindowStateChange && m_rangement->RevenueParLaBarreDesTaches()) {
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
    MontrerSansAttendre(g_quitterForm, [this](int resultat) {
        if (resultat == TQuitterForm::Quitter) {
            FormClose();
        } else if (resultat == TQuitterForm::Masquer) {
            MasquerMenuClick();
        }
    });
}

void TPulsodexForm::ConfigurationMenuClick() {
    TraceProcedure trace("TPulsodexForm.ConfigurationMenuClick");
    m_sablier.Poser(true);
    m_tics->Arreter();
    OuvrirConfiguration({this, *m_config, m_services, m_disques->Lecteurs(),
                         [this] {
                             m_sablier.Poser(false);
                             Cacher();
                         },
                         m_dialogueOptions});
    show();
    m_placement->GarderAuDessus(m_config && m_config->AuDessus);
}

void TPulsodexForm::ErreursLancementMenuClick() {
    TraceProcedure trace("TPulsodexForm.ErreursLancementMenuClick");
    MontrerErreursLancement(m_services.RepertoireProgramme, m_services.Lancement, m_services.Boites);
}

void TPulsodexForm::EffacerErreurMenuClick() {
    TraceProcedure trace("TPulsodexForm.EffacerErreurMenuClick");
    EffacerErreursLancement(m_services.RepertoireProgramme, m_services.Boites);
}

void TPulsodexForm::VerrouillerMenuClick() {
    TraceProcedure trace("TPulsodexForm.VerrouillerMenuClick");
    m_config->Verrouillage = !m_config->Verrouillage;
    m_menu->CocherVerrou(m_config->Verrouillage);
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
    // Sans identification fournie au démarrage : celle de la plateforme.
    const TCpuInfo parDefaut(m_services.IdentiteProcesseurs);
    const TCpuInfo& info = m_cpuInfo != nullptr ? *m_cpuInfo : parDefaut;
    auto* boite = new TAboutBox(this);
    boite->FixerSysteme(m_services.Infos.WinVer(), info.Processeur(0)->Name()->Nom());
    MontrerSansAttendre(boite);
}

void TPulsodexForm::TraiteErreur(const std::string& message) {
    if (m_journal) {
        m_journal->Consigner(message);
    }
    m_services.Boites.Ouvrir("Erreur de l'application : " + message, produit::TitreApplication,
                             IconeBoite::Erreur, BoutonsBoite::AbandonnerIgnorer,
                             [this](ReponseBoite reponse) {
                                 if (reponse == ReponseBoite::Abandonner) {
                                     FormClose();
                                 }
                             });
}

// --- Réseau ---

void TPulsodexForm::MiseAJourMenuClick() {
    if (!m_fermee && m_config) {
        m_reseau->VerifierMiseAJour(*m_config, net::OrigineVerification::Menu);
    }
}

// --- Clavier, menu et taille ---

void TPulsodexForm::keyPressEvent(QKeyEvent* evenement) {
    if (!m_menu->Raccourci(evenement->text(), mapToGlobal(QPoint(0, 0)))) {
        QWidget::keyPressEvent(evenement);
    }
}

void TPulsodexForm::contextMenuEvent(QContextMenuEvent* evenement) {
    m_menu->Ouvrir(evenement->globalPos());
}

void TPulsodexForm::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    // Une taille déjà dépassée, renvoyée par le serveur pendant la mise en
    // place : y répondre redemanderait cette taille, et la position d'alors.
    const bool perimee = m_placement->Perimee(*evenement);
    m_hauteurFigee = perimee;
    m_panneau->setGeometry(rect());
    m_coolBar->setGeometry(1, 1, width() - 2, m_coolBar->HauteurPour(width() - 2));
    m_hauteurFigee = false;
    if (perimee) {
        return;
    }
    // Avec une organisation automatique, les bandes suivent la largeur.
    if (!EnConstruction && m_config && width() != m_largeurPrecedente) {
        m_arrangement->Arranger(m_config->Organisation, ClesCanoniquesFenetre());
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

} // namespace pulsodex
