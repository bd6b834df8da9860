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

// Un serveur sur la boucle locale et un port libre ; ses boîtes sont notées
// et, retenues, attendent l'arrêt comme celles du bureau. Une panne signalée
// est notée aussi.
class ServeurTest : public ::testing::Test {
protected:
    void Demarrer(std::chrono::milliseconds silence = 30s) {
        const auto noter = [this](const std::string& texte, const std::stop_token& arret) {
            std::unique_lock verrou(m_mutex);
            m_messages.push_back(texte);
            m_change.notify_all();
            m_change.wait(verrou, arret, [&] { return !m_retenir; });
        };
        m_serveur = std::make_unique<ServeurControle>(
            ParametresServeur{"127.0.0.1", 0, silence, 64},
            RappelsServeur{noter, [noter](const std::string& m, const std::stop_token& a) {
                               noter("panne " + m, a);
                           }});
        m_serveur->Activer();
    }

    ClientEssai Client() {
        ClientEssai client(m_serveur->Port());
        EXPECT_EQ(client.Ligne(), "Pulsodex Server V1.0");
        return client;
    }

    // Attend autant de textes que d'attendus, puis les compare.
    void AttendreMessages(const std::vector<std::string>& attendus) {
        std::unique_lock verrou(m_mutex);
        m_change.wait_for(verrou, 10s, [&] { return m_messages.size() >= attendus.size(); });
        EXPECT_EQ(m_messages, attendus);
    }

    std::unique_ptr<ServeurControle> m_serveur;
    std::mutex m_mutex;
    std::condition_variable_any m_change;
    std::vector<std::string> m_messages;
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
    AttendreMessages({" Bonjour"});
    c.Envoyer("GET\r\nGET\r\n"); // aucune réponse à SHOW, une seule à deux commandes d'un paquet
    EXPECT_EQ(c.Ligne(), "OK");
    c.Envoyer("BYE\r\n");
    EXPECT_EQ(c.Ligne(), "BYE");
    EXPECT_TRUE(c.FinDeConnexion());
    EXPECT_TRUE(m_serveur->AttendreConnexions(0, 10s));
}

TEST_F(ServeurTest, InconnuEtBruitSansReponsePuisSilenceEtFermeture) {
    // Plusieurs clients à la fois : un seul délai à attendre.
    Demarrer(1s);
    std::vector<ClientEssai> clients;
    for (const std::string envoi : {"KILL\r\n", "\r\n", "\xC7\x01\xFF\r\n\r\nG", ""}) {
        clients.push_back(Client());
        clients.back().Envoyer(envoi);
    }
    for (ClientEssai& c : clients) {
        EXPECT_EQ(c.Ligne(), "Timeout on Server");
        EXPECT_TRUE(c.FinDeConnexion());
        EXPECT_EQ(c.Recu(), "");
    }
    EXPECT_TRUE(m_serveur->AttendreConnexions(0, 10s));
    AttendreMessages({}); // un client parti n'est pas une panne à montrer
}

// Mille connexions finies par le client, puis soixante-quatre clients au plus,
// et la désactivation pendant qu'une boîte est retenue à l'écran : chaque fil
// est joint, chaque prise fermée.
TEST_F(ServeurTest, NiFilNiDescripteurNeRestent) {
    const std::size_t fils = test::FilsDuProcessus();
    const std::size_t descripteurs = test::DescripteursOuverts();
    Demarrer();
    const std::uint16_t port = m_serveur->Port();
    m_serveur->Activer(); // déjà actif : rien ne change
    EXPECT_EQ(m_serveur->Port(), port);
    for (int i = 0; i < 1000; ++i) {
        ClientEssai c(port);
        if (i % 2 == 1) { // la salutation lue : une fin propre, sinon une remise à zéro
            c.Ligne();    // peut manquer si le serveur est plein le temps que les fils finissent
        }
    }
    EXPECT_TRUE(m_serveur->AttendreConnexions(0, 20s));
    std::list<ClientEssai> muets;
    for (int i = 0; i < 63; ++i) {
        muets.push_back(Client());
    }
    {
        const std::lock_guard verrou(m_mutex);
        m_retenir = true;
    }
    muets.push_back(Client());
    muets.back().Envoyer("SHOW reste");
    AttendreMessages({" reste"});
    muets.emplace_back(port); // le 65e est fermé aussitôt, sans salutation
    EXPECT_TRUE(muets.back().FinDeConnexion());
    EXPECT_EQ(muets.back().Recu(), "");

    m_serveur->Desactiver();
    for (auto& c : muets) {
        EXPECT_TRUE(c.FinDeConnexion());
    }
    EXPECT_FALSE(ClientEssai(port).Connecte());
    muets.clear();
    EXPECT_TRUE(AttendreQue([&] { return test::FilsDuProcessus() == fils; }))
        << test::FilsDuProcessus() << " fils au lieu de " << fils;
    if (test::DescripteursComptables()) {
        EXPECT_EQ(test::DescripteursOuverts(), descripteurs + 4); // les deux réveils du serveur
    }
    m_serveur->Activer(); // et il se rouvre
    Client();
}

TEST_F(ServeurTest, PortDejaPrisLeveUneErreur) {
    Demarrer();
    ServeurControle second(ParametresServeur{"127.0.0.1", m_serveur->Port(), 30s, 64}, {});
    EXPECT_THROW(second.Activer(), ErreurPrise);
    EXPECT_FALSE(second.Actif());
}

} // namespace
} // namespace pulsodex::net
