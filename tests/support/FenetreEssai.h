#pragma once
// Une fenêtre principale sur des doublures, avec un dossier de programme temporaire.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>

#include "CpuidEssai.h"
#include "Factices.h"
#include "FacticesDisques.h"
#include "Fichiers.h"
#include "core/config/RegistreMemoire.h"
#include "core/plateforme/Locale.h"
#include "core/probes/Deconnexion.h"
#include "core/probes/Disques.h"
#include "ui/app/Panneaux.h"
#include "ui/app/ReseauFenetre.h"
#include "ui/app/TPulsodexForm.h"

namespace pulsodex::test {

// Un objet de la fenêtre par son nom ; l'essai échoue s'il n'existe pas.
template <typename T>
T* Enfant(const QObject& parent, const char* nom) {
    T* objet = parent.findChild<T*>(QString::fromLatin1(nom));
    EXPECT_NE(objet, nullptr) << nom;
    return objet;
}

struct FenetreEssai {
    FenetreEssai() {
        Reg.WriteString("", "Version", "1.0 Béta 2");
        Reg.WriteString("", "TestMiseAJour", "Non");
        Affichage.TailleCourante = {1280, 1024};
        // Sans lecteur, sauf dans les essais des lecteurs.
        Reg.WriteString(Res(), "ListeDisques", "");
        Affichage.Zones = {{0, 0, 1280, 1000}};
        Identite.Systeme = "Processeur d'essai"; // sans réponse CPUID : le nom donné par le système
    }
    TPulsodexForm& Fenetre() {
        if (!m_fenetre) {
            m_fenetre = std::make_unique<TPulsodexForm>(
                ServicesFenetre{AutreRegistre != nullptr ? *AutreRegistre : Reg, Boites, Affichage,
                                Demarrages, Locale, Mesureur, Infos, Montre, Memoire, Processeur, Identite,
                                Lancement, Disques, Deconnexions, Dossier.string() + "/", "/opt/pulsodex"});
            // Jamais le vrai port 1109 dans un test : la boucle locale, un port libre.
            m_fenetre->Reseau().FixerEcoute("127.0.0.1", 0);
            m_fenetre->Reseau().FixerEcouteMesures("127.0.0.1", 0);
        }
        return *m_fenetre;
    }
    // Création puis affichage, comme le point d'entrée.
    TPulsodexForm& Demarrer() {
        Fenetre().FormCreate();
        Fenetre().show();
        QApplication::processEvents();
        return Fenetre();
    }
    std::string Res() const { return "1280x1024"; }
    // Les textes des boîtes montrées, dans l'ordre.
    std::vector<std::string> Textes() const {
        std::vector<std::string> textes;
        for (const auto& b : Boites.Montrees) {
            textes.push_back(b.Texte);
        }
        return textes;
    }

    // La boîte modale ouverte (les boîtes s'ouvrent sans attendre) ; nulle sans boîte.
    static QWidget* Modale() { return QApplication::activeModalWidget(); }

    // Le dossier du programme, supprimé après la fenêtre.
    DossierTemporaire Temporaire{"pulsodex-fenetre"};
    std::filesystem::path Dossier = Temporaire.Chemin();
    RegistreMemoire Reg;
    // Un autre registre pour la fenêtre (un vrai fichier des réglages) ; Reg sinon.
    Registre* AutreRegistre = nullptr;
    PresentateurScripte Boites;
    EcranFactice Affichage;
    MesureurFactice Mesureur;
    InfosSystemeFactices Infos;
    // Le système : des doublures, sans fichier, programme ni matériel réel.
    ListeDemarrageMemoire Demarrages;
    LocaleFrancaise Locale;
    HorlogeFactice Montre;
    SourceMemoireFactice Memoire;
    SourceCpuFactice Processeur;
    SourceFixe Identite;
    LanceurFactice Lancement;
    // Un seul lecteur, C = / en ext4 sur un disque fixe, dont l'espace est celui de Sonde.
    std::shared_ptr<SondeEspaceFactice> Sonde = [] {
        auto sonde = std::make_shared<SondeEspaceFactice>();
        sonde->Repondre("/", 100LL << 30, 25LL << 30);
        return sonde;
    }();
    SourceMontagesFixe Montages{"22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"};
    InfosBlocsFactice Blocs = [] {
        InfosBlocsFactice blocs;
        blocs.Peripheriques["/dev/sda1"] = {"sda", false};
        return blocs;
    }();
    ExecuteurFactice Executeur;
    SondeDisques Disques{CarteC(), Montages, Blocs, Sonde};
    Deconnexion Deconnexions{Executeur, Montages, [](std::string_view) {
                                 return false;
                             }};
    static CarteLecteurs CarteC() {
        CarteLecteurs carte;
        carte.Fixer('C', "/");
        return carte;
    }

private:
    std::unique_ptr<TPulsodexForm> m_fenetre;
};

} // namespace pulsodex::test
