// Point d'entrée : relie les objets du programme et lance la boucle.
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "core/app/Affichage.h"
#include "core/app/ChronoPeinture.h"
#include "core/app/FichierAide.h"
#include "core/commun/Produit.h"
#include "core/config/Registre.h"
#include "core/plateforme/Plateforme.h"
#include "core/probes/Disques.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/adaptateurs/PresentateurQt.h"
#include "ui/adaptateurs/SystemeQt.h"
#include "ui/app/ApplicationPulsodex.h"
#include "ui/app/IconeApplication.h"
#include "ui/app/InstanceUnique.h"
#include "ui/app/TPulsodexForm.h"
#include "ui/shell/TTaskBarIcon.h"

namespace {

const char* const Aide =
    "Usage : pulsodex [--help | --version | --capture FICHIER.png]\n"
    "\n"
    "Tableau de bord résident : date et heure, mémoire, processeur et disques.\n"
    "\n"
    "  --help             affiche cette aide\n"
    "  --version          affiche la version\n"
    "  --capture FICHIER  construit la fenêtre, en enregistre l'image PNG et quitte ;\n"
    "                     les questions éventuelles prennent leur réponse la plus prudente\n"
    "\n"
    "Environnement :\n"
    "  PULSODEX_CONFIG      d'autres réglages que ceux que nomme « Réglages » ci-dessous :\n"
    "                       un fichier (sous Windows, une clé sous HKEY_CURRENT_USER)\n"
    "  PULSODEX_REPERTOIRE  dossier des marqueurs et des journaux\n"
    "  PULSODEX_MAJ         serveur de mise à jour à interroger (hote:port)\n"
    "  PULSODEX_CHRONO      instant du lancement (secondes depuis l'époque, comme\n"
    "                       $EPOCHREALTIME) : le délai de la première peinture des\n"
    "                       valeurs relevées est écrit sur la sortie d'erreur\n";

} // namespace

int main(int argc, char** argv) {
    using namespace pulsodex;
    // Tout ce que le programme demande au système passe par elle.
    const auto plateforme = PlateformeDuSysteme();
    std::string capture;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Aide, stdout);
            std::printf("\nRéglages : %s\n", plateforme->FichierReglages().string().c_str());
            if (const auto aide = TrouverAide(plateforme->CheminExecutable())) {
                std::printf("\nAide complète : %s\n", aide->string().c_str());
            }
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", std::string(produit::Titre).c_str());
            return 0;
        }
        if (std::strcmp(argv[i], "--capture") == 0 && i + 1 < argc) {
            capture = argv[++i];
            continue;
        }
        std::fprintf(stderr, "pulsodex : option inconnue « %s » (voir --help)\n", argv[i]);
        return 2;
    }
    const std::string affichage = plateforme->GreffonAffichage(!capture.empty());
    if (affichage == "wayland" && !GreffonAffichagePresent("wayland")) {
        std::fputs(AvisSansGreffonWayland, stderr);
        return 1;
    }
    if (!affichage.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(affichage));
    }

    // Le chronomètre des bancs d'essai vit plus longtemps que la fenêtre.
    std::optional<ChronoPremierePeinture> chrono;
    if (const char* lancement = std::getenv("PULSODEX_CHRONO"); lancement != nullptr) {
        if (const auto instant = LireInstant(lancement)) {
            chrono.emplace(*instant);
        } else {
            std::fprintf(stderr, "pulsodex : PULSODEX_CHRONO illisible « %s », ignoré\n", lancement);
        }
    }

    ApplicationPulsodex application(argc, argv);
    application.setWindowIcon(IconeApplication());
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fputs(AvisWayland, stderr);
    }

    PresentateurQt boites(capture.empty());
    // Un seul Pulsodex par fichier de réglages ; une capture tourne à part.
    std::unique_ptr<InstanceUnique> instance;
    if (capture.empty()) {
        instance = std::make_unique<InstanceUnique>(Q(plateforme->FichierReglages().string()),
                                                    Q(plateforme->DossierExecution()));
        const InstanceUnique::Issue issue = instance->Demarrer();
        if (!instance->Message().isEmpty()) {
            std::fprintf(stderr, "%s\n", instance->Message().toUtf8().constData());
        }
        if (issue == InstanceUnique::Issue::MontreeAilleurs) {
            return 0;
        }
        if (issue == InstanceUnique::Issue::Muette) {
            boites.Boite(instance->Message().toStdString(), produit::Titre, IconeBoite::Avertissement,
                         BoutonsBoite::Ok);
            return 1;
        }
    }

    // Lu une fois ici ; écrit seulement par les enregistrements de la fenêtre,
    // après l'avis d'un fichier abîmé.
    const std::unique_ptr<Registre> registre = plateforme->OuvrirReglages();
    EcranQt ecran;
    MesureurTexteQt mesureur;
    const InfosSystemeQt infos(*plateforme);
    // Les lecteurs : une seule couche de disques pour toute la vie du programme.
    // Les lettres choisies au premier lancement partent avec le premier
    // enregistrement de la fenêtre, après l'avis d'un fichier abîmé.
    SourceMontages& montages = plateforme->Montages();
    SondeDisques disques(plateforme->Lecteurs(*registre), montages, plateforme->Blocs(),
                         plateforme->Espace());
    TPulsodexForm fenetre(ServicesFenetre{
        *registre, boites, ecran, plateforme->Demarrages(), plateforme->Locale(), mesureur, infos,
        plateforme->Montre(), plateforme->Memoire(), plateforme->Processeur(),
        plateforme->IdentiteProcesseurs(), plateforme->Lancement(), disques, plateforme->Deconnexions(),
        plateforme->RepertoireProgramme(), plateforme->CheminExecutable().string()});
    fenetre.FixerChrono(chrono ? &*chrono : nullptr);
    if (instance) {
        instance->Montrer = [&fenetre] {
            fenetre.Ramener();
        };
    }
    std::unique_ptr<TTaskBarIcon> icone;

    application.TraiteErreur = [&fenetre](const std::string& message) {
        fenetre.TraiteErreur(message);
    };
    application.InstallerSignauxArret(*plateforme, [&fenetre] { fenetre.FormClose(); });
    QObject::connect(&fenetre, &TPulsodexForm::Terminee, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    int resultatCapture = 0;
    QTimer::singleShot(0, &application, [&] {
        try {
            fenetre.FormCreate();
        } catch (const std::exception& erreur) {
            fenetre.TraiteErreur(erreur.what());
        }
        // Fermée pendant la création (signal d'arrêt pendant la première question).
        if (fenetre.Fermee()) {
            return;
        }
        icone = std::make_unique<TTaskBarIcon>(IconeApplication(), Q(produit::Titre));
        icone->AfficherApplication = false;
        fenetre.FixerIconeBarre(icone.get());
        fenetre.show();
        if (!capture.empty()) {
            QTimer::singleShot(50, &application, [&] {
                if (!fenetre.grab().save(Q(capture), "PNG")) {
                    std::fprintf(stderr, "pulsodex : impossible d'enregistrer l'image « %s »\n",
                                 capture.c_str());
                    resultatCapture = 1;
                }
                QCoreApplication::exit(resultatCapture);
            });
        }
    });
    const int resultat = QCoreApplication::exec();
    icone.reset();
    return resultat != 0 ? resultat : resultatCapture;
}
