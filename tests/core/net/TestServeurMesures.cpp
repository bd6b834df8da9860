#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "ReseauEssai.h"
#include "core/net/ServeurMesures.h"

namespace pulsodex::net {
namespace {

using test::AttendreQue;
using test::ClientEssai;
using namespace std::chrono_literals;

constexpr const char* ReponsePage =
    "HTTP/1.1 200 OK\r\nContent-Type: text/plain; version=0.0.4; charset=utf-8\r\n"
    "Content-Length: 5\r\nConnection: close\r\n\r\npage\n";

// Un serveur sur la boucle locale et un port libre, dont la page est « page ».
class ServeurMesuresTest : public ::testing::Test {
protected:
    void Demarrer(std::chrono::milliseconds delais = 5s) {
        m_serveur = std::make_unique<ServeurMesures>(
            ParametresMesures{"127.0.0.1", 0, 32, 8192, delais, delais}, [this] { return m_page; });
        m_serveur->Activer();
    }

    // Envoie la requête et rend tout ce qui est arrivé jusqu'à la fin ; rien
    // si la connexion reste ouverte.
    std::optional<std::string> Echange(const std::string& requete) {
        ClientEssai c(m_serveur->Port());
        c.Envoyer(requete);
        return c.FinDeConnexion() ? std::optional(c.Recu()) : std::nullopt;
    }

    std::string m_page = "page\n";
    std::unique_ptr<ServeurMesures> m_serveur;
};

// Le détail des réponses est vérifié par la table des requêtes ; ici, les
// limites de ce que le serveur lit, puis il sert encore.
TEST_F(ServeurMesuresTest, LectureBorneeEtLeServeurRestePret) {
    Demarrer();
    const std::pair<std::string, std::string> cas[] = {
        {"\x16\x03\x01\x02\x03 garbage\r\n", "HTTP/1.1 400 Bad Request\r\n"},
        {"GET /metrics HTTP/1.1\r\nX: " + std::string(20000, 'x'), "HTTP/1.1 431 "},
        // Une ligne d'un mégaoctet : 414, ou coupée avant que la réponse ne soit lue.
        {std::string(1 << 20, 'A'), ""},
    };
    for (const auto& [requete, debut] : cas) {
        const auto recu = Echange(requete);
        ASSERT_TRUE(recu.has_value()) << "connexion restée ouverte : " << requete.substr(0, 40);
        EXPECT_TRUE(debut.empty() ? recu->empty() || recu->starts_with("HTTP/1.1 414 URI Too Long\r\n")
                                  : recu->starts_with(debut))
            << requete.substr(0, 40) << " -> " << *recu;
    }
    EXPECT_EQ(Echange("GET /metrics HTTP/1.1\r\n\r\n"), ReponsePage);
}

TEST_F(ServeurMesuresTest, DeuxCentsClientsServisOuFermesPuisRetourALaBase) {
    const std::size_t fils = test::FilsDuProcessus();
    const std::size_t descripteurs = test::DescripteursOuverts();
    Demarrer();
    std::list<ClientEssai> clients;
    for (int i = 0; i < 200; ++i) {
        clients.emplace_back(m_serveur->Port());
    }
    EXPECT_LE(m_serveur->Clients(), 32U);
    int servis = 0;
    for (ClientEssai& c : clients) {
        c.Envoyer("GET /metrics HTTP/1.1\r\n\r\n");
        ASSERT_TRUE(c.FinDeConnexion());
        EXPECT_TRUE(c.Recu().empty() || c.Recu() == ReponsePage) << c.Recu();
        servis += c.Recu() == ReponsePage ? 1 : 0;
    }
    // Les 32 premiers, tenus jusqu'à leur requête, sont toujours servis.
    EXPECT_GE(servis, 32);
    clients.clear();
    EXPECT_TRUE(AttendreQue([&] { return m_serveur->Clients() == 0; }));
    const std::uint16_t port = m_serveur->Port();
    m_serveur->Desactiver();
    EXPECT_FALSE(ClientEssai(port).Connecte());
    EXPECT_TRUE(AttendreQue([&] { return test::FilsDuProcessus() == fils; }));
    EXPECT_EQ(test::DescripteursOuverts(), descripteurs + 2); // le réveil du serveur
    m_serveur->Activer();                                     // et il se rouvre
    EXPECT_EQ(Echange("GET /metrics HTTP/1.1\r\n\r\n"), ReponsePage);
}

TEST_F(ServeurMesuresTest, ClientLentRepondu408ClientQuiNeLitPasFerme) {
    // Une page de 16 Mo, plus que ce que tiennent les tampons de la boucle locale.
    m_page = std::string(16 << 20, 'x');
    Demarrer(200ms);
    // Une requête jamais finie : 408 au bout du délai de lecture.
    const auto lent = Echange("GET /metrics HTTP/1.1\r\nHost: x\r\n");
    ASSERT_TRUE(lent.has_value());
    EXPECT_TRUE(lent->starts_with("HTTP/1.1 408 Request Timeout\r\n")) << *lent;

    // La page que le client ne lit pas : fermée au délai d'écriture.
    ClientEssai muet(m_serveur->Port());
    muet.Envoyer("GET /metrics HTTP/1.1\r\n\r\n");
    ASSERT_TRUE(AttendreQue([&] { return m_serveur->Clients() == 1; }));
    EXPECT_TRUE(AttendreQue([&] { return m_serveur->Clients() == 0; }));
    ASSERT_TRUE(muet.FinDeConnexion());
    EXPECT_LT(muet.Recu().size(), m_page.size());
}

} // namespace
} // namespace pulsodex::net
