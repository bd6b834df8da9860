#pragma once
// Le contrat de la plateforme : tout ce que le programme demande au système.
// Le cœur n'atteint le système que par ce dossier ; une bibliothèque par
// système le remplit (src/linux/, src/windows/), et les tests prennent la
// plateforme factice de tests/support/.
//
// Les services sont rendus par l'objet Plateforme, créé une fois par le point
// d'entrée ; trois familles d'appels sans état, faits de partout, sont des
// fonctions du même contrat, définies par la même bibliothèque :
//   Prises.h       les prises TCP (serveur de contrôle, mises à jour) ;
//   AjoutFichier.h l'ajout d'un bloc à un journal ;
//   Sons.h         les sons du système.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/plateforme/Deconnecteur.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/InfosBlocs.h"
#include "core/plateforme/Lanceur.h"
#include "core/plateforme/ListeDemarrage.h"
#include "core/plateforme/Locale.h"
#include "core/plateforme/SondeEspace.h"
#include "core/plateforme/SourceCpu.h"
#include "core/plateforme/SourceMemoire.h"
#include "core/plateforme/SourceMontages.h"
#include "core/plateforme/SourceProcesseur.h"
#include "core/probes/CarteLecteurs.h"

namespace pulsodex {

class Registre;

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Relevés de la mémoire et du processeur, identité des processeurs.
    virtual SourceMemoire& Memoire() = 0;
    virtual SourceCpu& Processeur() = 0;
    [[nodiscard]] virtual const SourceProcesseur& IdentiteProcesseurs() const = 0;

    // Disques : les lettres des lecteurs (sous Linux, la section « Lecteurs »
    // des réglages, la carte initiale y étant écrite au premier lancement ;
    // sous Windows, celles du système, sans rien écrire), la table des
    // montages, le genre et le périphérique d'un montage, l'espace d'un chemin
    // (partagé avec les fils des sondes), la déconnexion d'un lecteur réseau.
    virtual CarteLecteurs Lecteurs(Registre& reglages) = 0;
    virtual SourceMontages& Montages() = 0;
    [[nodiscard]] virtual const InfosBlocs& Blocs() const = 0;
    virtual std::shared_ptr<SondeEspace> Espace() = 0;
    virtual Deconnecteur& Deconnexions() = 0;

    // Programmes : en ouvrir un, ou un document, sans attendre ; la liste de
    // l'ouverture de session.
    virtual Lanceur& Lancement() = 0;
    virtual ListeDemarrage& Demarrages() = 0;

    // Conventions de l'utilisateur, heure locale, nom du système (WinVer).
    [[nodiscard]] virtual const LocaleUtilisateur& Locale() const = 0;
    [[nodiscard]] virtual const Horloge& Montre() const = 0;
    [[nodiscard]] virtual std::string WinVer() const = 0;

    // Les réglages du programme, lus une fois à l'ouverture : sous Linux le
    // fichier FichierReglages() (forme INI, écrit sous verrou), sous Windows
    // la clé du registre. Ils vivent moins longtemps que la plateforme.
    virtual std::unique_ptr<Registre> OuvrirReglages() = 0;

    // Emplacements : l'exécutable, le dossier du programme (marqueurs,
    // journaux ; avec son séparateur final, créé au besoin), le fichier des
    // réglages (sous Windows, le chemin de la clé), le dossier d'exécution de
    // l'utilisateur (vide s'il n'en a pas).
    [[nodiscard]] virtual std::filesystem::path CheminExecutable() const = 0;
    [[nodiscard]] virtual std::string RepertoireProgramme() const = 0;
    [[nodiscard]] virtual std::filesystem::path FichierReglages() const = 0;
    [[nodiscard]] virtual std::string DossierExecution() const = 0;

    // Le greffon d'affichage de Qt à imposer avant de créer l'application
    // (sous une session Wayland avec XWayland : X11) ; vide : celui que Qt
    // choisit. Une capture sans écran se fait hors écran.
    [[nodiscard]] virtual std::string GreffonAffichage(bool capture) const = 0;

    // Arrêt demandé par le système (SIGTERM, SIGINT sous Linux) : une prise
    // qui devient lisible, à surveiller par la boucle de l'interface ; -1 sans
    // surveillance possible. Acquitter la vide après chaque demande.
    virtual std::intptr_t SurveillerArret() = 0;
    virtual void AcquitterArret() = 0;
};

// La plateforme du système pour lequel le programme est construit.
std::unique_ptr<Plateforme> PlateformeDuSysteme();

} // namespace pulsodex
