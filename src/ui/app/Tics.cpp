#include "ui/app/Tics.h"

#include <QCoreApplication>
#include <QTimer>

#include "core/app/Avertissements.h"
#include "core/app/BandeHorloge.h"
#include "core/app/BandesFixes.h"
#include "core/app/ChronoPeinture.h"
#include "core/app/SurveillanceResolution.h"
#include "core/commun/FormatDateHeure.h"
#include "core/commun/Produit.h"
#include "core/commun/Trace.h"
#include "core/config/TConfig.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Lanceur.h"
#include "core/probes/Disques.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/app/BandesFixesQt.h"
#include "ui/app/PanneauxDisques.h"
#include "ui/app/Sablier.h"
#include "ui/app/TPulsodexForm.h"

namespace pulsodex {

Tics::Tics(TPulsodexForm& fenetre, ServicesFenetre& services, BandesFixesQt& bandes, PanneauxDisques& disques,
           Sablier& sablier, bool& messageEnCours)
    : m_fenetre(fenetre), m_services(services), m_bandes(bandes), m_disques(disques),
      m_messageEnCours(messageEnCours), m_horloge(new QTimer(&fenetre)), m_minuterie(new QTimer(&fenetre)),
      m_sondesMemoire(services.Memoire), m_cpu(services.Processeur), m_cycle(m_sondesMemoire, m_cpu),
      m_marqueurQuitter(services.RepertoireProgramme + MarqueurQuitter),
      m_marqueurRedemarrer(services.RepertoireProgramme + MarqueurRedemarrer),
      m_taches([lanceur = &services.Lancement, fichier = services.RepertoireProgramme + NomTachesErr](
                   const TacheALancer& tache) { ExecuterTache(tache, *lanceur, fichier); }),
      m_agenda{services.Locale,
               [this](const std::string& texte, std::uint16_t son, std::function<void()> fermee) {
                   m_services.Boites.OuvrirMessage(texte, LegendeEvenement, son, std::move(fermee));
               },
               [&sablier](bool actif) { sablier.Poser(actif); },
               [this](TacheALancer tache) {
                   m_taches.Ajouter(std::move(tache));
               }} {
    m_horloge->setObjectName(QStringLiteral("HeureTimer"));
    // Précis : le tic de la minute tombe sur la minute pleine.
    m_horloge->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_horloge, &QTimer::timeout, &fenetre, &TPulsodexForm::HeureTimerTimer);
    m_minuterie->setObjectName(QStringLiteral("Minuterie"));
    QObject::connect(m_minuterie, &QTimer::timeout, &fenetre, &TPulsodexForm::MinuterieTimer);
}

Tics::~Tics() {
    // Les lancements en cours finissent d'ordinaire en un instant ; un lancement
    // bloqué n'est pas attendu plus longtemps.
    m_taches.AttendreVide(std::chrono::seconds(2));
}

bool Tics::RafraichissementActif() const {
    return m_minuterie->isActive();
}

bool Tics::HorlogeActive() const {
    return m_horloge->isActive();
}

void Tics::Demarrer() {
    const TConfig& c = *m_config;
    m_horloge->start(1);
    Horloge();
    if (m_fenetre.Fermee()) {
        return;
    }
    if (!BandeEchantillonnee(c)) {
        m_minuterie->stop();
        return;
    }
    // Une période nulle arrête le minuteur au lieu de le faire tourner sans fin.
    if (c.Rafraichissement > 0) {
        m_minuterie->start(c.Rafraichissement);
    } else {
        m_minuterie->stop();
    }
    Rafraichir();
}

void Tics::Arreter() {
    m_horloge->stop();
    m_minuterie->stop();
}

void Tics::Horloge() {
    if (m_config == nullptr || m_fenetre.Fermee()) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.HeureTimerTimer");
    try {
        const DateHeure maintenant = m_services.Montre.Maintenant();
        m_bandes.FixerTexteHorloge(
            Q(FormaterDateHeure(MotifHorloge(*m_config), maintenant, m_services.Locale)));
        LancerEvenements(m_config->Evenements, maintenant, m_config->Sons, m_messageEnCours, m_agenda);
        if (m_fenetre.Fermee()) {
            return;
        }
        m_horloge->start(ProchainIntervalle(m_config->ModeRafraichissementHorloge,
                                            m_services.Montre.Maintenant().Seconde));
    } catch (const std::exception& erreur) {
        ErreurFatale(erreur.what(),
                     "Une erreur grâve est survenue lors des opérations sur date/heure (HeureTimer). "
                     "L'application va se terminer.");
    }
}

void Tics::Rafraichir() {
    if (m_config == nullptr || m_fenetre.Fermee()) {
        return;
    }
    TraceProcedure trace("TPulsodexForm.MinuterieTimer");
    try {
        if (ConsommerMarqueur(m_marqueurQuitter)) {
            m_fenetre.FormClose();
            return;
        }
        if (ConsommerMarqueur(m_marqueurRedemarrer)) {
            const CommandeSysteme redemarrage = m_services.Lancement.Redemarrage();
            m_services.Lancement.ShellExecute("", redemarrage.Fichier, redemarrage.Parametres, "",
                                              ModeFenetre::Cachee);
        }
        // Une jauge n'est redessinée que si sa valeur a changé.
        m_bandes.Redessiner(m_cycle.Echantillonner(*m_config));
        // Chaque lecteur est lu une fois pour son panneau et toutes les règles.
        const SondeDisques::LectureDuTic lecture(m_services.Disques);
        m_disques.Traiter(*m_config);
        if (m_fenetre.Fermee()) {
            return;
        }
        if (m_chrono != nullptr) {
            m_chrono->Releve();
        }
        Avertir();
        PublierReleve();
        if (m_resolution != nullptr) {
            m_resolution->Surveiller();
        }
    } catch (const std::exception& erreur) {
        ErreurFatale(erreur.what(), "Une erreur grâve est survenue lors des opérations sur ressources "
                                    "(MinuterieTimer). L'application va se terminer.");
    }
}

void Tics::Avertir() {
    const Alarmes alarmes = EvaluerAvertissements(m_config->Avertissements, m_cycle.Memoire(),
                                                  m_config->RepeterAvertir, m_services.Disques);
    m_alarmesTenues = alarmes.Tenues;
    const std::string phrase = PhraseAlarme(alarmes);
    if (phrase.empty() || m_messageEnCours) {
        return; // une autre fenêtre est ouverte : la phrase est abandonnée
    }
    m_messageEnCours = true;
    m_services.Boites.OuvrirMessage(phrase, LegendeAlarme, m_config->Sons ? SonExclamation : 0,
                                    [&enCours = m_messageEnCours] { enCours = false; });
}

void Tics::PublierReleve() {
    if (m_releve == nullptr || !m_config->PublierMesures) {
        return;
    }
    RemplirReleve(m_instantane, *m_config, m_cycle.Memoire(), m_cycle.Courants(), m_disques.Modeles(),
                  m_services.Disques.Carte(), m_alarmesTenues);
    m_releve->Publier(m_instantane);
}

void Tics::ErreurFatale(const std::string& message, const char* texte) {
    if (m_messageEnCours) {
        return; // une autre boîte est ouverte : l'erreur est abandonnée
    }
    m_messageEnCours = true;
    m_services.Boites.Ouvrir(message, produit::TitreApplication, IconeBoite::Erreur, BoutonsBoite::Ok,
                             [this, texte = std::string(texte)](ReponseBoite) {
                                 m_services.Boites.Ouvrir(texte, produit::Titre, IconeBoite::Erreur,
                                                          BoutonsBoite::Ok, [this](ReponseBoite) {
                                                              m_messageEnCours = false;
                                                              // Fermeture par le chemin normal (la
                                                              // disposition est gardée), code 1.
                                                              m_fenetre.FormClose();
                                                              QCoreApplication::exit(1);
                                                          });
                             });
}

} // namespace pulsodex
