#pragma once
// La fenêtre principale : une barre sans bord faite de bandes.
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/Agenda.h"
#include "app/CycleRafraichissement.h"
#include "app/FileTaches.h"
#include "app/Jauge.h"
#include "app/JournalErreurs.h"
#include "app/SurveillanceResolution.h"
#include "config/TConfig.h"
#include "net/AvisMiseAJour.h"
#include "net/Protocole.h"
#include "probes/Formats.h"
#include "probes/Memoire.h"
#include "probes/Processeur.h"

class QAction;
class QMenu;
class QTimer;

namespace pulsodex {

class CoolBar;
class PanneauBande;
class BoiteJauge;
class TTaskBarIcon;
class Registre;
class Presentateur;
class Ecran;
class ListeDemarrage;
class LocaleUtilisateur;
class MesureurTexte;
class InfosSysteme;
class Horloge;
class Lanceur;
class TCpuInfo;
class ChronoPremierePeinture;
class FenetreOptions;
class SondeDisques;
class Deconnexion;
class PanneauDisque;
class TDisque;
class ServeurBureau;
class VerificationMiseAJour;

struct ServicesFenetre {
    Registre& Reg;
    Presentateur& Boites;
    const Ecran& Affichage;
    ListeDemarrage& Demarrages;
    const LocaleUtilisateur& Locale;
    const MesureurTexte& Mesureur;
    const InfosSysteme& Infos;
    const Horloge& Montre;
    SourceMemoire& Memoire;
    SourceCpu& Processeur;
    Lanceur& Lancement;
    SondeDisques& Disques;
    Deconnexion& Deconnexions;
    std::string RepertoireProgramme; // avec son séparateur final
    std::string CheminProgramme;
};

class TPulsodexForm : public QWidget {
    Q_OBJECT
public:
    explicit TPulsodexForm(ServicesFenetre services, QWidget* parent = nullptr);
    ~TPulsodexForm() override;

    // Cycle de vie.
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormClose();
    // Démontage puis masquage (les réglages changés prennent effet au retour).
    void Cacher();
    // Rangement dans la zone de notification et retour.
    void Minimiser();
    void Restaurer();
    // Un second lancement demande à la voir : elle revient au premier plan
    // (une boîte modale ouverte passe devant elle).
    void Ramener();

    // Les deux tics : horloge et rafraîchissement.
    void HeureTimerTimer();
    void MinuterieTimer();
    [[nodiscard]] const Echantillons& Courants() const { return m_cycle.Courants(); }

    // Commandes du menu.
    void MasquerMenuClick();
    void QuitterMenuClick();
    void VerrouillerMenuClick();
    void ConfigurationMenuClick();
    void ErreursLancementMenuClick();
    void EffacerErreurMenuClick();
    void enLigneManuelMenuClick() { ReorganiserManuel(1); }
    void enColonneManuelMenuClick() { ReorganiserManuel(2); }
    void AvanceManuelMenuClick() { ReorganiserManuel(3); }
    void enLigneAutoMenuClick() { ReorganiserAuto(1); }
    void enColonneAutoMenuClick() { ReorganiserAuto(2); }
    void AvanceAutoMenuClick() { ReorganiserAuto(3); }
    void AideMenuClick();
    void AProposMenuClick();
    void MiseAJourMenuClick();

    // Serveur de contrôle : adresse et port d'écoute (les tests prennent la
    // boucle locale et un port libre) ; nul tant qu'il n'a pas été activé.
    void FixerEcouteServeur(std::string adresse, std::uint16_t port);
    [[nodiscard]] ServeurBureau* Serveur() const { return m_serveur.get(); }
    [[nodiscard]] VerificationMiseAJour* Verification() const { return m_verification.get(); }

    // Gestionnaire des exceptions échappées d'un gestionnaire d'événement.
    void TraiteErreur(const std::string& message);

    void FixerIconeBarre(TTaskBarIcon* icone);
    // L'identification des processeurs, créée au démarrage (boîte « A propos »).
    void FixerCpuInfo(const TCpuInfo* info) { m_cpuInfo = info; }
    // Le chronomètre de la première peinture (PULSODEX_CHRONO) ; nul sans lui.
    void FixerChrono(ChronoPremierePeinture* chrono) { m_chrono = chrono; }

    [[nodiscard]] TConfig* Config() { return m_config.get(); }
    [[nodiscard]] const std::string& RepertoireProgramme() const { return m_services.RepertoireProgramme; }
    [[nodiscard]] bool DansLaBarre() const { return m_dansLaBarre; }
    [[nodiscard]] bool Fermee() const { return m_fermee; }
    [[nodiscard]] int NombreConstructions() const { return m_constructions; }
    [[nodiscard]] CoolBar* Bandes() const { return m_coolBar; }
    [[nodiscard]] int NombreDisques() const { return static_cast<int>(m_disques.size()); }
    [[nodiscard]] TDisque* Disque(int emplacement) const {
        return emplacement >= 1 && emplacement <= NombreDisques() ? m_disques[emplacement - 1].get()
                                                                  : nullptr;
    }
    [[nodiscard]] PanneauDisque* PanneauDuDisque(int emplacement) const {
        return emplacement >= 1 && emplacement <= NombreDisques() ? m_panneauxDisques[emplacement - 1]
                                                                  : nullptr;
    }
    // Appelé avec la fenêtre de configuration juste avant qu'elle s'ouvre (essais).
    void FixerObservateurOptions(std::function<void(FenetreOptions&)> observateur) {
        m_dialogueOptions = std::move(observateur);
    }

    // État privé décrit par le programme.
    bool AReconstruire = false;
    bool EnConstruction = false;
    bool MessageEnCours = false;

    // Composants.
    QTimer* HeureTimer = nullptr;
    QTimer* Minuterie = nullptr;
    QWidget* PulsodexPanel = nullptr;
    QMenu* OutilsMenu = nullptr;
    PanneauBande* DateHeurePanel = nullptr;
    PanneauBande* MemPanel = nullptr;
    PanneauBande* MemoryLoadPanel = nullptr;
    PanneauBande* RealMemPanel = nullptr;
    PanneauBande* CpuPanel = nullptr;
    PanneauBande* CpuMoyPanel = nullptr;
    BoiteJauge* MemPaintBox = nullptr;
    BoiteJauge* MemoryLoadPaintBox = nullptr;
    BoiteJauge* RealMemPaintBox = nullptr;
    BoiteJauge* CpuPaintBox = nullptr;
    BoiteJauge* CpuMoyPaintBox = nullptr;

    QAction* ConfigurationMenu = nullptr;
    QMenu* ReorgManuel = nullptr;
    QAction* enLigneManuelMenu = nullptr;
    QAction* enColonneManuelMenu = nullptr;
    QAction* AvanceManuelMenu = nullptr;
    QMenu* ReorgAuto = nullptr;
    QAction* enLigneAutoMenu = nullptr;
    QAction* enColonneAutoMenu = nullptr;
    QAction* AvanceAutoMenu = nullptr;
    QAction* MasquerMenu = nullptr;
    QAction* VerrouillerMenu = nullptr;
    QAction* ErreursLancementMenu = nullptr;
    QAction* EffacerErreurMenu = nullptr;
    QAction* MiseAJourMenu = nullptr;
    QAction* AideMenu = nullptr;
    QAction* AProposMenu = nullptr;
    QAction* QuitterMenu = nullptr;

signals:
    // La fenêtre est fermée : le programme se termine.
    void Terminee();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void contextMenuEvent(QContextMenuEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreerComposants();
    void CreerMenu();
    void SuivreSouris(QWidget* controle);
    void AppliquerStyleFenetre();
    void AjusterHauteur();
    // La fenêtre montrée est exposée : les tailles renvoyées par le serveur X
    // sont de nouveau les siennes.
    void FinirMiseEnPlace();
    void Sablier(bool actif);
    // Bandes fixes -1 à -6 puis disques 1 à n ; et celles de l'ordre canonique.
    [[nodiscard]] std::vector<int> ClesBandes() const;
    [[nodiscard]] std::vector<int> ClesCanoniques() const;
    // Les lecteurs de la liste (et leur total) : modèles et panneaux.
    void CreerDisques();
    void DetruireDisques();
    void TraiterDisques();
    void PeindreDisque(int emplacement, QPainter& peintre, const QRect& zone);
    void ProposerDeconnexion(std::uint8_t lecteur);
    // Les montages réels, pour une nouvelle lettre de lecteur.
    std::vector<std::string> MontagesSansLettre();
    void Arranger(std::uint8_t organisation);
    void ReorganiserManuel(std::uint8_t organisation);
    // Les coches des trois dispositions automatiques suivent Organisation.
    void CocherOrganisation();
    // Nouvelle disposition automatique (0 : aucune), cochée et enregistrée.
    void ChoisirOrganisation(std::uint8_t organisation);
    void ReorganiserAuto(std::uint8_t organisation);
    void PeindreJauge(JaugeFixe jauge, QPainter& peintre, const QRect& zone);
    // La barre et la légende d'une jauge ; la première peinte avec des valeurs
    // relevées donne son délai au chronomètre.
    void PeindreBarre(QPainter& peintre, const QRect& zone, std::uint8_t pourcent, bool inverse,
                      const std::string& legende);
    // Chemin fatal d'un tic : deux boîtes d'arrêt puis la fin du programme.
    void ErreurFatale(const std::string& message, const char* texte);
    // Les règles d'avertissement ; au plus une fenêtre d'alarme.
    void Avertir();
    bool PressionSouris(QWidget* controle, QMouseEvent* evenement);
    bool DeplacementSouris(QWidget* controle, QMouseEvent* evenement);
    // Les six bandes fixes, dans l'ordre de leurs clés -1 à -6.
    [[nodiscard]] std::array<PanneauBande*, 6> BandesFixes() const;
    [[nodiscard]] std::array<bool, 6> VisibilitesFixes() const;
    void ActiverServeur();
    void LancerVerificationMiseAJour(net::OrigineVerification origine);
    void ArreterReseau();

    ServicesFenetre m_services;
    std::unique_ptr<TConfig> m_config;
    std::unique_ptr<JournalErreurs> m_journal;
    SondesMemoire m_sondesMemoire;
    EchantillonneurCpu m_cpu;
    CycleRafraichissement m_cycle;
    FormatNombres m_format;
    std::string m_marqueurQuitter;
    std::string m_marqueurRedemarrer;
    FileTaches m_taches;
    ServicesAgenda m_agenda;
    std::vector<std::unique_ptr<TDisque>> m_disques; // emplacement i + 1
    std::vector<PanneauDisque*> m_panneauxDisques;
    CoolBar* m_coolBar = nullptr;
    std::unique_ptr<DialogueResolution> m_dialogueResolution;
    std::unique_ptr<SurveillanceResolution> m_resolution;
    int m_largeurPrecedente = -1;
    std::function<void(FenetreOptions&)> m_dialogueOptions;
    TTaskBarIcon* m_iconeBarre = nullptr;
    const TCpuInfo* m_cpuInfo = nullptr;
    ChronoPremierePeinture* m_chrono = nullptr;
    bool m_dansLaBarre = false;
    bool m_minimiseSansBarre = false;
    bool m_fermee = false;
    bool m_construite = false;
    bool m_sablier = false;
    // Montrée mais pas encore exposée : sous un gestionnaire de fenêtres, le
    // serveur X renvoie encore les tailles intermédiaires de la construction,
    // auxquelles la fenêtre ne doit pas répondre en se redimensionnant.
    bool m_miseEnPlace = false;
    bool m_hauteurFigee = false;
    int m_constructions = 0;
    std::string m_adresseServeur; // vide : toutes les adresses locales
    std::uint16_t m_portServeur = net::PortControle;
    std::unique_ptr<ServeurBureau> m_serveur;
    std::unique_ptr<VerificationMiseAJour> m_verification;

    // Glissement à la main quand le gestionnaire de fenêtres ne le fait pas.
    enum class Glissement { Aucun, Deplacement, BordGauche, BordDroit };
    Glissement m_glissement = Glissement::Aucun;
    QPoint m_departGlobal;
    QRect m_geometrieDepart;
};

} // namespace pulsodex
