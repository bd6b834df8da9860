#pragma once
// La fenêtre principale : une barre sans bord faite de bandes. Ses rôles ont
// chacun leur classe (bandes fixes, lecteurs, tics, menu, gestes de la
// souris, arrangement, zone de notification, réseau) ; les gestionnaires
// décrits (FormShow, MinuterieTimer, ConfigurationMenuClick…) restent ici
// comme points d'entrée.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/app/CycleRafraichissement.h"
#include "core/app/JournalErreurs.h"
#include "core/app/SurveillanceResolution.h"
#include "core/config/TConfig.h"
#include "core/probes/Formats.h"
#include "ui/app/Sablier.h"
#include "ui/app/ServicesFenetre.h"

namespace pulsodex {

class ArrangementBandes;
class BandesFixesQt;
class ChronoPremierePeinture;
class CoolBar;
class TOptionsFormQt;
class GestesSouris;
class MenuOutils;
class PlacementFenetre;
class PanneauDisque;
class PanneauxDisques;
class RangementBarre;
class ReseauFenetre;
class TCpuInfo;
class TDisque;
class TTaskBarIcon;
class Tics;

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
    [[nodiscard]] const Echantillons& Courants() const;

    // Commandes du menu.
    void MasquerMenuClick();
    void QuitterMenuClick();
    void VerrouillerMenuClick();
    void ConfigurationMenuClick();
    void ErreursLancementMenuClick();
    void EffacerErreurMenuClick();
    void enLigneManuelMenuClick() { ReorganiserManuel(Organisation::Ligne); }
    void enColonneManuelMenuClick() { ReorganiserManuel(Organisation::Colonne); }
    void AvanceManuelMenuClick() { ReorganiserManuel(Organisation::Avancee); }
    void enLigneAutoMenuClick() { ReorganiserAuto(Organisation::Ligne); }
    void enColonneAutoMenuClick() { ReorganiserAuto(Organisation::Colonne); }
    void AvanceAutoMenuClick() { ReorganiserAuto(Organisation::Avancee); }
    void AideMenuClick();
    void AProposMenuClick();
    void MiseAJourMenuClick();

    // Les services réseau : serveur de contrôle, vérification des mises à
    // jour, page des mesures (les tests y fixent l'écoute).
    [[nodiscard]] ReseauFenetre& Reseau() const { return *m_reseau; }

    // Gestionnaire des exceptions échappées d'un gestionnaire d'événement.
    void TraiteErreur(const std::string& message);

    void FixerIconeBarre(TTaskBarIcon* icone);
    // L'identification des processeurs, créée au démarrage (boîte « A propos »).
    void FixerCpuInfo(const TCpuInfo* info) { m_cpuInfo = info; }
    // Le chronomètre de la première peinture (PULSODEX_CHRONO) ; nul sans lui.
    void FixerChrono(ChronoPremierePeinture* chrono);

    [[nodiscard]] TConfig* Config() { return m_config.get(); }
    [[nodiscard]] const std::string& RepertoireProgramme() const { return m_services.RepertoireProgramme; }
    [[nodiscard]] bool DansLaBarre() const;
    [[nodiscard]] bool Fermee() const { return m_fermee; }
    [[nodiscard]] int NombreConstructions() const { return m_constructions; }
    [[nodiscard]] CoolBar* Bandes() const { return m_coolBar; }
    [[nodiscard]] int NombreDisques() const;
    [[nodiscard]] TDisque* Disque(int emplacement) const;
    [[nodiscard]] PanneauDisque* PanneauDuDisque(int emplacement) const;
    // Appelé avec la fenêtre de configuration juste avant qu'elle s'ouvre (essais).
    void FixerObservateurOptions(std::function<void(TOptionsFormQt&)> observateur) {
        m_dialogueOptions = std::move(observateur);
    }

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

private:
    void AjusterHauteur();
    // La fenêtre montrée est exposée : les tailles renvoyées par le serveur X
    // sont de nouveau les siennes.
    void FinirMiseEnPlace();
    [[nodiscard]] std::vector<int> ClesCanoniquesFenetre() const;
    void ReorganiserManuel(Organisation organisation);
    void ReorganiserAuto(Organisation organisation);

    // État privé décrit par le programme.
    bool AReconstruire = false;
    bool EnConstruction = false;
    bool MessageEnCours = false;

    ServicesFenetre m_services;
    std::unique_ptr<TConfig> m_config;
    std::unique_ptr<JournalErreurs> m_journal;
    FormatNombres m_format;
    QWidget* m_panneau = nullptr; // « PulsodexPanel »
    CoolBar* m_coolBar = nullptr;
    GestesSouris* m_gestes = nullptr;
    PlacementFenetre* m_placement = nullptr;
    std::unique_ptr<BandesFixesQt> m_bandesFixes;
    std::unique_ptr<PanneauxDisques> m_disques;
    std::unique_ptr<MenuOutils> m_menu;
    std::unique_ptr<ArrangementBandes> m_arrangement;
    std::unique_ptr<RangementBarre> m_rangement;
    std::unique_ptr<ReseauFenetre> m_reseau;
    std::unique_ptr<Tics> m_tics;
    std::unique_ptr<DialogueResolution> m_dialogueResolution;
    std::unique_ptr<SurveillanceResolution> m_resolution;
    int m_largeurPrecedente = -1;
    std::function<void(TOptionsFormQt&)> m_dialogueOptions;
    const TCpuInfo* m_cpuInfo = nullptr;
    ChronoPremierePeinture* m_chrono = nullptr;
    bool m_fermee = false;
    bool m_construite = false;
    Sablier m_sablier;
    // Une taille dépassée renvoyée par le serveur : la hauteur ne la suit pas.
    bool m_hauteurFigee = false;
    int m_constructions = 0;
};

} // namespace pulsodex
