#include <gtest/gtest.h>

#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

#include "ReseauEssai.h"
#include "core/net/ServeurControle.h"

namespace pulsodex::net {
namespace {

using test::AttendreQue;
using test::ClientEssai;
using namespace std::chrono_literals;
using namespace std::string_literals;

// Un serveur sur la boucle locale et un port libre ; ses boîtes sont notées
// et attendent, comme celles du bureau, d'être fermées ou l'arrêt.
class ServeurTest : public ::testing::Test {
protected:
    void Demarrer(std::chrono::milliseconds silence = 30s) {
        m_serveur = std::make_unique<ServeurControle>(
            ParametresServeur{"127.0.0.1", 0, silence, 64},
            RappelsServeur{[this](const std::string& texte, const std::stop_token& arret) {
                               Noter(m_messages, texte, arret);
                           },
                           [this](const std::string& message, const std::stop_token& arret) {
                               Noter(m_pannes, message, arret);
                           }});
        m_serveur->Activer();
        ASSERT_TRUE(m_serveur->Actif());
        ASSERT_NE(m_serveur->Port(), 0);
    }

    ClientEssai Client() {
        ClientEssai client(m_serveur->Port());
        EXPECT_TRUE(client.Connecte());
        EXPECT_EQ(client.Ligne(), "Pulsodex Server V1.0");
        return client;
    }

    // Les boîtes ouvertes se ferment toutes seules, sauf si on les retient.
    void Noter(std::vector<std::string>& liste, const std::string& texte, const std::stop_token& arret) {
        std::unique_lock verrou(m_mutex);
        liste.push_back(texte);
        m_change.notify_all();
        m_change.wait(verrou, arret, [&] { return !m_retenir; });
    }

    bool AttendreMessages(std::size_t n) {
        std::unique_lock verrou(m_mutex);
        return m_change.wait_for(verrou, 10s, [&] { return m_messages.size() >= n; });
    }

    std::vector<std::string> Messages() {
        const std::lock_guard verrou(m_mutex);
        return m_messages;
    }

    bool SansPanne() {
        const std::lock_guard verrou(m_mutex);
        return m_pannes.empty();
    }

    void Retenir(bool oui) {
        {
            const std::lock_guard verrou(m_mutex);
            m_retenir = oui;
        }
        m_change.notify_all();
    }

    std::unique_ptr<ServeurControle> m_serveur;
    std::mutex m_mutex;
    std::condition_variable_any m_change;
    std::vector<std::string> m_messages;
    std::vector<std::string> m_pannes;
    bool m_retenir = false;
};

// Le découpage des commandes est vérifié en détail par la table du protocole ;
// ici, ce que la connexion en fait.
TEST_F(ServeurTest, SalutationGetShowEtBye) {
    Demarrer();
    ClientEssai c = Client();
    c.Envoyer("get\r\n");
    EXPECT_EQ(c.Ligne(), "OK");
    c.Envoyer("SHOW Bonjour\r\n");
    ASSERT_TRUE(AttendreMessages(1));
    c.Envoyer("SHOW \xE9t\xE9\0cach\xE9\r\nGET"s);
    ASSERT_TRUE(AttendreMessages(2));
    EXPECT_EQ(Messages(), (std::vector<std::string>{" Bonjour", " été"}));
    // Aucune réponse à SHOW, une seule à deux commandes d'un paquet.
    c.Envoyer("GET\r\nGET\r\n");
    EXPECT_EQ(c.Ligne(), "OK");
    c.Envoyer("BYE\r\n");
    EXPECT_EQ(c.Ligne(), "BYE");
    EXPECT_TRUE(c.FinDeConnexion());
    EXPECT_EQ(c.Recu(), "");
    ClientEssai q = Client();
    q.Envoyer("quit");
    EXPECT_EQ(q.Ligne(), "BYE");
    EXPECT_TRUE(q.FinDeConnexion());
    EXPECT_TRUE(SansPanne());
}

TEST_F(ServeurTest, InconnuEtBruitSansReponsePuisSilenceEtFermeture) {
    // Le silence rend la main : le prochain texte reçu est celui du délai.
    // Plusieurs clients à la fois : un seul délai à attendre.
    Demarrer(1s);
    std::string bruit;
    for (int i = 0; i < 5000; ++i) {
        bruit += static_cast<char>((i * 37 + 11) % 256);
    }
    const std::string envois[] = {"KILL\r\n", "\r\n", bruit, ""};
    std::vector<ClientEssai> clients;
    for (const std::string& envoi : envois) {
        clients.push_back(Client());
        clients.back().Envoyer(envoi);
    }
    for (std::size_t i = 0; i < clients.size(); ++i) {
        EXPECT_EQ(clients[i].Ligne(), "Timeout on Server") << i;
        EXPECT_TRUE(clients[i].FinDeConnexion()) << i;
        EXPECT_EQ(clients[i].Recu(), "") << i;
    }
    EXPECT_TRUE(m_serveur->AttendreConnexions(0, 10s));
    EXPECT_TRUE(SansPanne());
}

TEST_F(ServeurTest, SoixanteQuatreClientsAuPlus) {
    Demarrer();
    std::list<ClientEssai> clients;
    for (int i = 0; i < 64; ++i) {
        clients.push_back(Client());
    }
    EXPECT_EQ(m_serveur->Connexions(), 64U);
    // Le 65e est fermé aussitôt, sans salutation.
    ClientEssai refuse(m_serveur->Port());
    EXPECT_TRUE(refuse.FinDeConnexion());
    EXPECT_EQ(refuse.Recu(), "");
    // Un client s'en va : un nouveau est servi.
    clients.front().Envoyer("BYE\r\n");
    EXPECT_EQ(clients.front().Ligne(), "BYE");
    EXPECT_TRUE(clients.front().FinDeConnexion());
    clients.pop_front();
    ClientEssai nouveau = Client();
    nouveau.Envoyer("GET\r\n");
    EXPECT_EQ(nouveau.Ligne(), "OK");
    // Les anciens sont toujours servis.
    clients.back().Envoyer("GET\r\n");
    EXPECT_EQ(clients.back().Ligne(), "OK");
}

TEST_F(ServeurTest, MilleConnexionsNeLaissentNiFilNiDescripteur) {
    Demarrer();
    const std::size_t fils = test::FilsDuProcessus();
    const std::size_t descripteurs = test::DescripteursOuverts();
    for (int i = 0; i < 1000; ++i) {
        ClientEssai c(m_serveur->Port());
        ASSERT_TRUE(c.Connecte());
        switch (i % 4) {
        case 0:
            break; // fermé sans rien lire : le serveur voit une remise à zéro
        case 1:
            c.Ligne();
            break;
        case 2:
            c.Envoyer("GET\r\n");
            break;
        default:
            c.Envoyer("BYE\r\n");
            c.FinDeConnexion();
            break;
        }
    }
    EXPECT_TRUE(m_serveur->AttendreConnexions(0, 20s));
    EXPECT_TRUE(AttendreQue([&] { return test::FilsDuProcessus() == fils; }, 20s))
        << test::FilsDuProcessus() << " fils au lieu de " << fils;
    EXPECT_TRUE(AttendreQue([&] { return test::DescripteursOuverts() == descripteurs; }, 20s))
        << test::DescripteursOuverts() << " descripteurs au lieu de " << descripteurs;
    // Un client parti n'est pas une panne à montrer.
    EXPECT_TRUE(SansPanne());
    ClientEssai c = Client();
    c.Envoyer("GET\r\n");
    EXPECT_EQ(c.Ligne(), "OK");
}

TEST_F(ServeurTest, LaDesactivationFermeToutEtJoinChaqueFil) {
    const std::size_t fils = test::FilsDuProcessus();
    const std::size_t descripteurs = test::DescripteursOuverts();
    Demarrer();
    const std::uint16_t port = m_serveur->Port();
    m_serveur->Activer(); // déjà actif : rien ne change
    EXPECT_EQ(m_serveur->Port(), port);
    std::list<ClientEssai> muets;
    for (int i = 0; i < 3; ++i) {
        muets.push_back(Client());
    }
    // Un client attend sa boîte, retenue à l'écran.
    Retenir(true);
    ClientEssai montre = Client();
    montre.Envoyer("SHOW reste");
    ASSERT_TRUE(AttendreMessages(1));

    m_serveur->Desactiver();
    EXPECT_FALSE(m_serveur->Actif());
    EXPECT_EQ(m_serveur->Connexions(), 0U);
    for (auto& c : muets) {
        EXPECT_TRUE(c.FinDeConnexion());
        EXPECT_EQ(c.Recu(), "");
    }
    EXPECT_TRUE(montre.FinDeConnexion());
    EXPECT_FALSE(ClientEssai(port).Connecte());
    muets.clear();
    montre.Fermer();
    EXPECT_TRUE(AttendreQue([&] { return test::FilsDuProcessus() == fils; }));
    EXPECT_EQ(test::DescripteursOuverts(), descripteurs + 4); // les deux réveils du serveur

    // Et il se rouvre.
    Retenir(false);
    m_serveur->Activer();
    ClientEssai c = Client();
    c.Envoyer("GET\r\n");
    EXPECT_EQ(c.Ligne(), "OK");
}

TEST_F(ServeurTest, PortDejaPrisLeveUneErreur) {
    Demarrer();
    ServeurControle second(ParametresServeur{"127.0.0.1", m_serveur->Port(), 30s, 64}, {});
    EXPECT_THROW(second.Activer(), ErreurPrise);
    EXPECT_FALSE(second.Actif());
    ServeurControle invalide(ParametresServeur{"pas une adresse", 0, 30s, 64}, {});
    EXPECT_THROW(invalide.Activer(), ErreurPrise);
}

} // namespace
} // namespace pulsodex::net
