#include <gtest/gtest.h>

#include <future>

#include "ReseauEssai.h"
#include "core/net/AvisMiseAJour.h"
#include "core/net/MiseAJour.h"

namespace pulsodex::net {
namespace {

using test::ServeurWebFactice;
using namespace std::chrono_literals;

ParametresMiseAJour VersFactice(const ServeurWebFactice& serveur) {
    ParametresMiseAJour p;
    p.Serveur = {"127.0.0.1", serveur.Port()};
    p.Delais = {5s, 10s};
    return p;
}

TEST(MiseAJour, LireVersionDistante) {
    // clang-format off
    const std::pair<const char*, const char*> cas[] = {
        {"HTTP/1.1 200 OK\r\n\r\npulsodex xp: 010003\r\n", "010003"}, {"PULSODEX XP:010003", "010003"}, // au bout
        {"PULSODEX XP:010003\n<p>", "010003"}, {"PULSODEX XP: \t010004  \r\nPULSODEX XP: 9", "010004"},
        {"Pulsodex Xp:7", "7"}, {"PULSODEX XP:", ""}, {"PULSODEX XP:\r\n010003", ""}, {"PULSODEX XP:5\r", "5"},
        {"PULSODEX XP :010003", ""}, {"rien ici", ""}, {"", ""}};
    // clang-format on
    for (const auto& [reponse, attendue] : cas) {
        EXPECT_EQ(LireVersionDistante(reponse), attendue) << reponse;
    }
}

TEST(MiseAJour, VersionsComparees) {
    EXPECT_EQ(LireVersionLocale(), "010002");
    using enum EtatMiseAJour;
    const std::pair<const char*, EtatMiseAJour> cas[] = {
        {"010003", Disponible}, {"010002", AJour},  {"9999", AJour},
        {"", Inconnu},          {"1.0.3", Inconnu}, {"99999999999999999999", Inconnu}};
    for (const auto& [distante, attendu] : cas) {
        EXPECT_EQ(ComparerVersions(distante, "010002"), attendu) << distante;
    }
}

TEST(MiseAJour, AdresseEtRequetes) {
    const std::pair<const char*, const char*> cas[] = {
        {"127.0.0.1:8080", "127.0.0.1 8080"},  {"[::1]:81", "::1 81"},
        {"", "www.pulsodex.org 80"},           {"hote", "www.pulsodex.org 80"},
        {":80", "www.pulsodex.org 80"},        {"hote:0", "www.pulsodex.org 80"},
        {"hote:65536", "www.pulsodex.org 80"}, {"hote:8x", "www.pulsodex.org 80"}};
    for (const auto& [variable, attendue] : cas) {
        const AdresseReseau a = ServeurMiseAJour(variable);
        EXPECT_EQ(a.Hote + " " + std::to_string(a.Port), attendue) << variable;
    }
    EXPECT_EQ(RequeteDirecte(ServeurMiseAJour(nullptr)),
              "GET /maj.html HTTP/1.1\r\nHost: www.pulsodex.org\r\n\r\n");
    EXPECT_EQ(RequeteProxy({"::1", 80}), "GET http://[::1]/maj.html HTTP/1.1\r\n\r\n");
}

TEST(MiseAJour, PageDirecteDuFauxServeur) {
    ServeurWebFactice serveur(
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<p>pulsodex xp: 010003\r\n</p>");
    EXPECT_EQ(TelechargerPageDirecte(VersFactice(serveur)),
              "HTTP/1.1 200 OK\r\nCONTENT-TYPE: TEXT/HTML\r\n\r\n<P>PULSODEX XP: 010003\r\n</P>");
    EXPECT_EQ(serveur.Requete(),
              "GET /maj.html HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(serveur.Port()) + "\r\n\r\n");
    // La marque au bout, au-delà de 1024 octets, ou après un octet nul qui coupe la réponse.
    using namespace std::string_literals;
    const std::pair<std::string, EtatMiseAJour> reponses[] = {
        {"HTTP/1.1 200 OK\r\n\r\nPULSODEX XP:999999", EtatMiseAJour::Disponible},
        {"HTTP/1.1 200 OK\r\n\r\n" + std::string(1010, ' ') + "PULSODEX XP:999999\r\n",
         EtatMiseAJour::Inconnu},
        {"HTTP/1.1 200 OK\r\n\0\r\nPULSODEX XP: 999999\r\n"s, EtatMiseAJour::Inconnu}};
    for (const auto& [reponse, etat] : reponses) {
        ServeurWebFactice faux(reponse);
        EXPECT_EQ(VerifierMiseAJour(VersFactice(faux)), etat) << reponse.size();
    }
}

TEST(MiseAJour, ParLeMandataire) {
    ServeurWebFactice mandataire("HTTP/1.1 200 OK\r\n\r\nPULSODEX XP: 999999\r\n");
    ParametresMiseAJour p = ParametresDepuis("127.0.0.1", mandataire.Port(), nullptr);
    p.Delais = {5s, 10s};
    EXPECT_EQ(VerifierMiseAJour(p), EtatMiseAJour::Disponible);
    EXPECT_EQ(mandataire.Requete(), "GET http://www.pulsodex.org/maj.html HTTP/1.1\r\n\r\n");
}

TEST(MiseAJour, ServeurMuetVersionInconnue) {
    ServeurWebFactice muet("", true);
    ParametresMiseAJour p = VersFactice(muet);
    p.Delais.Lecture = 200ms;
    EXPECT_EQ(VerifierMiseAJour(p), EtatMiseAJour::Inconnu);
}

TEST(MiseAJour, ArretDemandePendantLAttente) {
    ServeurWebFactice muet("", true);
    ParametresMiseAJour p = VersFactice(muet);
    p.Delais.Lecture = 120s;
    std::stop_source arret;
    auto resultat = std::async(std::launch::async, [&] { return VerifierMiseAJour(p, arret.get_token()); });
    ASSERT_TRUE(muet.Requete().has_value());
    arret.request_stop();
    ASSERT_EQ(resultat.wait_for(30s), std::future_status::ready);
    EXPECT_EQ(resultat.get(), EtatMiseAJour::Inconnu);
}

// Au démarrage, seule une nouvelle version se montre ; sur demande, chaque état a son avis.
TEST(MiseAJour, AvisSelonLEtatEtLOrigine) {
    using enum EtatMiseAJour;
    const auto demarrage = OrigineVerification::Demarrage;
    const auto menu = OrigineVerification::Menu;
    const std::tuple<EtatMiseAJour, OrigineVerification, std::optional<AvisMiseAJour>> cas[] = {
        {Disponible, demarrage,
         AvisMiseAJour{"Une nouvelle mise à jour de Pulsodex XP est disponible sur le site "
                       "http://www.pulsodex.org !",
                       IconeBoite::Avertissement}},
        {AJour, demarrage, std::nullopt},
        {Inconnu, demarrage, std::nullopt},
        {Disponible, menu,
         AvisMiseAJour{"Une nouvelle mise à jour est disponible sur le site http://www.pulsodex.org !",
                       IconeBoite::Avertissement}},
        {AJour, menu, AvisMiseAJour{"Vous avez déjà la dernière version.", IconeBoite::Information}},
        {Inconnu, menu,
         AvisMiseAJour{"Impossible de vérifier si une mise à jour est disponible.", IconeBoite::Information}},
    };
    for (const auto& [etat, origine, avis] : cas) {
        EXPECT_EQ(AvisPour(etat, origine), avis) << static_cast<int>(etat) << static_cast<int>(origine);
    }
}

} // namespace
} // namespace pulsodex::net
