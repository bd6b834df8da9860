#pragma once
// Les deux minuteurs de la fenêtre et ce que fait chacun de leurs tics :
// l'horloge (date, heure, agenda) et le rafraîchissement (marqueurs,
// échantillons, jauges, lecteurs, avertissements, résolution). Un tic n'attend
// jamais une boîte : celles qu'il ouvre rendent la main aussitôt.
#include <QObject>

#include <functional>
#include <string>

#include "core/app/Agenda.h"
#include "core/app/CycleRafraichissement.h"
#include "core/app/FileTaches.h"
#include "core/app/ReleveMesures.h"
#include "core/probes/Memoire.h"
#include "core/probes/Processeur.h"
#include "ui/app/ServicesFenetre.h"

class QTimer;

namespace pulsodex {

class BandesFixesQt;
class ChronoPremierePeinture;
class PanneauxDisques;
class Sablier;
class SurveillanceResolution;
class TConfig;
class TPulsodexForm;

class Tics {
public:
    // Les minuteurs sont des enfants de la fenêtre et appellent ses
    // gestionnaires HeureTimerTimer et MinuterieTimer.
    // messageEnCours : une fenêtre d'alarme, de message ou d'erreur est ouverte.
    Tics(TPulsodexForm& fenetre, ServicesFenetre& services, BandesFixesQt& bandes, PanneauxDisques& disques,
         Sablier& sablier, bool& messageEnCours);
    ~Tics();
    Tics(const Tics&) = delete;
    Tics& operator=(const Tics&) = delete;

    void FixerConfig(TConfig* config) { m_config = config; }
    void FixerResolution(SurveillanceResolution* resolution) { m_resolution = resolution; }
    void FixerChrono(ChronoPremierePeinture* chrono) { m_chrono = chrono; }
    // Où publier le relevé de chaque tic quand PublierMesures le veut.
    void FixerReleve(DernierReleve* releve) { m_releve = releve; }

    // À chaque construction : tout sera redessiné au premier tic.
    void Reinitialiser() { m_cycle.Reinitialiser(); }
    // L'horloge, puis le rafraîchissement s'il a une bande à servir : chacun
    // une fois tout de suite, puis à sa période.
    void Demarrer();
    void Arreter();

    void Horloge();
    void Rafraichir();

    [[nodiscard]] const Echantillons& Courants() const { return m_cycle.Courants(); }
    [[nodiscard]] SondesMemoire& Memoire() { return m_sondesMemoire; }
    [[nodiscard]] bool RafraichissementActif() const;
    [[nodiscard]] bool HorlogeActive() const;

private:
    // Les règles d'avertissement ; au plus une fenêtre d'alarme.
    void Avertir();
    void PublierReleve();
    // Chemin fatal d'un tic : deux boîtes d'arrêt puis la fin du programme.
    void ErreurFatale(const std::string& message, const char* texte);

    TPulsodexForm& m_fenetre;
    ServicesFenetre& m_services;
    BandesFixesQt& m_bandes;
    PanneauxDisques& m_disques;
    bool& m_messageEnCours;
    TConfig* m_config = nullptr;
    SurveillanceResolution* m_resolution = nullptr;
    ChronoPremierePeinture* m_chrono = nullptr;
    QTimer* m_horloge;
    QTimer* m_minuterie;
    SondesMemoire m_sondesMemoire;
    EchantillonneurCpu m_cpu;
    CycleRafraichissement m_cycle;
    std::string m_marqueurQuitter;
    std::string m_marqueurRedemarrer;
    FileTaches m_taches;
    ServicesAgenda m_agenda;
    DernierReleve* m_releve = nullptr;
    ReleveMesures m_instantane; // gardé d'un tic à l'autre : rien à réallouer
    int m_alarmesTenues = 0;
};

} // namespace pulsodex
