#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <optional>
#include <semaphore>

#include "AttentesQt.h"
#include "FenetreEssai.h"
#include "ReseauEssai.h"
#include "core/net/ServeurMesures.h"
#include "ui/adaptateurs/PresentateurQt.h"
#include "ui/app/ReseauFenetre.h"
#include "ui/net/ServeurBureau.h"
#include "ui/net/VerificationMiseAJour.h"

namespace pulsodex::test {
namespace {

bool AttendreEvenements(const std::function<bool()>& condition) {
    return AttendreEnTraitantLesEvenements(condition, 10s);
}

ClientEssai ClientSalue(std::uint16_t port) {
    ClientEssai client(port);
    EXPECT_TRUE(client.Connecte());
    EXPECT_EQ(client.Ligne(), "Pulsodex Server V1.0");
    return client;
}

class VariableMaj {
public:
    explicit VariableMaj(const std::string& valeur) { ::setenv("PULSODEX_MAJ", valeur.c_str(), 1); }
    ~VariableMaj() { ::unsetenv("PULSODEX_MAJ"); }
    VariableMaj(const VariableMaj&) = delete;
    VariableMaj& operator=(const VariableMaj&) = delete;
};

TEST(ServeurBureau, ShowEnTexteRicheMontreEnTexteBrut) {
    PresentateurQt boites;
    ServeurBureau bureau(boites, {"127.0.0.1", 0, 30s, 64});
    bureau.Serveur().Activer();
    ClientEssai c = ClientSalue(bureau.Serveur().Port());
    std::string vue; // titre | texte | format
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            guet.stop();
            vue = boite->windowTitle().toStdString() + "|" + boite->text().toStdString() +
                  (boite->textFormat() == Qt::PlainText ? "|brut" : "|riche");
            EXPECT_EQ(boite->icon(), QMessageBox::Information);
            boite->defaultButton()->click();
        }
    });
    guet.start(5);
    c.Envoyer("SHOW <b>gras</b> &amp; <a href='x'>lien</a><br>fin\r\n");
    ASSERT_TRUE(AttendreEvenements([&] { return !vue.empty(); }));
    EXPECT_EQ(vue, "Information| <b>gras</b> &amp; <a href='x'>lien</a><br>fin|brut");
    // La boîte fermée, le fil de service reprend.
    c.Envoyer("GET\r\n");
    EXPECT_EQ(c.Ligne(), "OK");
}

TEST(ServeurBureau, DesactiverPendantQueLaBoiteEstOuverteNeBloquePas) {
    // La fermeture peut venir d'un tic pendant que la boîte de SHOW est
    // ouverte (marqueur de fin) : le fil qui attend cette boîte doit lâcher.
    PresentateurScripte boites;
    boites.GarderOuvertes = true;
    ServeurBureau bureau(boites, {"127.0.0.1", 0, 30s, 64});
    bureau.Serveur().Activer();
    ClientEssai c = ClientSalue(bureau.Serveur().Port());
    c.Envoyer("SHOW au revoir");
    ASSERT_TRUE(AttendreEvenements([&] { return boites.Ouvertes() == 1; }));
    boites.FermerTout();
    bureau.Serveur().Desactiver();
    EXPECT_TRUE(c.FinDeConnexion());
}

// Le serveur de contrôle et la page des mesures suivent leur réglage à chaque
// construction ; la page montre le relevé du dernier tic (la mémoire factice :
// 2 Gio physiques libres sur 8).
TEST(FenetreReseau, ServeurEtPageDesMesuresSelonLesReglages) {
    FenetreEssai e;
    e.Reg.WriteString("", "PublierMesures", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_TRUE(f.Reseau().Serveur()->Serveur().Actif());
    ASSERT_NE(f.Reseau().Mesures(), nullptr);
    const std::uint16_t port = f.Reseau().Serveur()->Serveur().Port();
    const std::uint16_t portMesures = f.Reseau().Mesures()->Port();
    ClientEssai mesures(portMesures);
    mesures.Envoyer("GET /metrics HTTP/1.1\r\nHost: essai\r\n\r\n");
    ASSERT_TRUE(mesures.FinDeConnexion());
    for (const char* ligne : {"HTTP/1.1 200 OK\r\n", "\npulsodex_memoire_physique_libre_bytes 2147483648\n",
                              "\npulsodex_version_info{version=\"1.0 Béta 2\"} 1\n"}) {
        EXPECT_NE(mesures.Recu().find(ligne), std::string::npos) << ligne << " dans " << mesures.Recu();
    }
    EXPECT_EQ(mesures.Recu().find("processeur"), std::string::npos); // bandes du processeur éteintes
    ClientEssai c = ClientSalue(port);
    f.Config()->ModeServeur = false;
    f.Config()->PublierMesures = false;
    f.Cacher();
    f.show();
    EXPECT_FALSE(f.Reseau().Serveur()->Serveur().Actif());
    EXPECT_TRUE(c.FinDeConnexion()); // un client encore connecté est congédié
    EXPECT_FALSE(ClientEssai(port).Connecte());
    EXPECT_EQ(f.Reseau().Mesures(), nullptr);
    EXPECT_FALSE(ClientEssai(portMesures).Connecte());
}

// Un port déjà pris : dit en français sur la sortie d'erreur, sans boîte, et
// le tableau de bord continue sans la page.
TEST(FenetreReseau, PageDesMesuresPortPrisDitSurLaSortieDErreur) {
    const net::Descripteur pris = net::Ecouter("127.0.0.1", 0);
    const std::uint16_t port = net::PortLocal(pris.Fd());
    FenetreEssai e;
    e.Reg.WriteString("", "PublierMesures", "Oui");
    e.Fenetre().Reseau().FixerEcouteMesures("127.0.0.1", port);
    ::testing::internal::CaptureStderr();
    TPulsodexForm& f = e.Demarrer();
    const std::string erreur = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(erreur.find("pulsodex : la page des mesures ne peut pas écouter sur le port " +
                          std::to_string(port) +
                          " : Erreur de socket 98 (adresse déjà utilisée) lors de l'appel « bind »."),
              std::string::npos)
        << erreur;
    ASSERT_NE(f.Reseau().Mesures(), nullptr);
    EXPECT_FALSE(f.Reseau().Mesures()->Actif());
    EXPECT_TRUE(e.Boites.Montrees.empty());
    EXPECT_FALSE(f.Fermee());
}

// Le menu (sablier, toujours une boîte) et le démarrage (sans sablier, seulement
// une version nouvelle) ; TestMiseAJour à « Non » : pas de vérification au démarrage.
TEST(FenetreReseau, MiseAJourSelonLaReponseEtLOrigine) {
    struct Cas {
        bool menu;
        std::optional<std::string> page; // rien : personne n'écoute
        std::string texte;               // vide : aucune boîte
        IconeBoite icone;
    };
    const Cas cas[] = {
        {true, "HTTP/1.1 200 OK\r\n\r\npulsodex xp: 999999\r\n",
         "Une nouvelle mise à jour est disponible sur le site http://www.pulsodex.org !",
         IconeBoite::Avertissement},
        {true, std::nullopt, "Impossible de vérifier si une mise à jour est disponible.",
         IconeBoite::Information},
        {false, std::nullopt, "", IconeBoite::Aucune},
    };
    for (const auto& k : cas) {
        std::optional<ServeurWebFactice> serveur;
        if (k.page) {
            serveur.emplace(*k.page);
        }
        const VariableMaj variable("127.0.0.1:" + std::to_string(serveur ? serveur->Port() : PortFerme()));
        FenetreEssai e;
        e.Reg.WriteString("", "TestMiseAJour", k.menu ? "Non" : "Oui");
        TPulsodexForm& f = e.Demarrer();
        if (k.menu) {
            EXPECT_EQ(f.Reseau().Verification(), nullptr) << k.texte;
            Enfant<QAction>(f, "MiseAJourMenu")->trigger();
            EXPECT_EQ(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                     : Qt::ArrowCursor,
                      Qt::WaitCursor);
        }
        ASSERT_NE(f.Reseau().Verification(), nullptr);
        ASSERT_TRUE(AttendreEvenements([&] { return !f.Reseau().Verification()->EnCours(); })) << k.texte;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << k.texte;
        ASSERT_EQ(e.Boites.Montrees.size(), k.texte.empty() ? 0U : 1U) << k.texte;
        if (!k.texte.empty()) {
            EXPECT_EQ(e.Boites.Montrees[0].Texte, k.texte);
            EXPECT_EQ(e.Boites.Montrees[0].Icone, k.icone);
        }
    }
}

// Une résolution de nom qui n'écoute pas l'arrêt : la fermeture ne l'attend pas
// et sa réponse tardive ne montre rien.
TEST(VerificationMiseAJour, UnFilBloqueNEstPasAttendu) {
    auto entree = std::make_shared<std::binary_semaphore>(0);
    auto libre = std::make_shared<std::binary_semaphore>(0);
    auto sortie = std::make_shared<std::binary_semaphore>(0);
    PresentateurScripte boites;
    {
        VerificationMiseAJour v(boites, [=](const net::ParametresMiseAJour&, const std::stop_token&) {
            entree->release();
            libre->acquire();
            sortie->release();
            return net::EtatMiseAJour::Disponible;
        });
        v.Lancer({}, net::OrigineVerification::Menu);
        ASSERT_TRUE(entree->try_acquire_for(5s));
    } // détruite pendant l'attente
    EXPECT_FALSE(sortie->try_acquire());
    libre->release();
    ASSERT_TRUE(sortie->try_acquire_for(5s));
    QApplication::processEvents();
    EXPECT_TRUE(boites.Montrees.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FenetreReseau, FermerPendantUneVerificationNeMontreRien) {
    ServeurWebFactice muet("", true);
    const VariableMaj variable("127.0.0.1:" + std::to_string(muet.Port()));
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    f.MiseAJourMenuClick();
    ASSERT_TRUE(muet.Requete().has_value());
    f.FormClose(); // n'attend pas les 30 secondes de lecture
    EXPECT_FALSE(f.Reseau().Verification()->EnCours());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(e.Boites.Montrees.empty());
}

} // namespace
} // namespace pulsodex::test
