#include <gtest/gtest.h>

#include "core/net/PageMesures.h"
#include "core/net/RequeteHttp.h"

namespace pulsodex::net {
namespace {

// Un relevé fixe : 8 Gio de mémoire physique dont la moitié libre, 2 Gio
// d'échange, le processeur à 7 % (moyenne éteinte), C qui répond et E qui ne
// répond pas, deux règles tenues.
ReleveMesures ReleveFixe() {
    ReleveMesures r;
    r.Pret = true;
    r.Memoire = {8589934592, 4294967296, 10737418240, 5368709120, 50};
    r.ChargeCpu = 7;
    r.Lecteurs = {{'C', "/", true, 1000, 4000}, {'E', "/mnt/ré\"seau\\x", false, 0, 0}};
    r.AlarmesTenues = 2;
    return r;
}

TEST(PageMesures, ReleveAvecUnLecteurMuetEtLaMoyenneEteinte) {
    EXPECT_EQ(
        PageMesures(ReleveFixe()),
        R"(# HELP pulsodex_memoire_libre_bytes Mémoire libre totale (MemAvailable + SwapFree), en octets.
# TYPE pulsodex_memoire_libre_bytes gauge
pulsodex_memoire_libre_bytes 5368709120
# HELP pulsodex_memoire_taille_bytes Mémoire totale (MemTotal + SwapTotal), en octets.
# TYPE pulsodex_memoire_taille_bytes gauge
pulsodex_memoire_taille_bytes 10737418240
# HELP pulsodex_memoire_physique_libre_bytes Mémoire physique libre (MemAvailable), en octets.
# TYPE pulsodex_memoire_physique_libre_bytes gauge
pulsodex_memoire_physique_libre_bytes 4294967296
# HELP pulsodex_memoire_physique_taille_bytes Mémoire physique (MemTotal), en octets.
# TYPE pulsodex_memoire_physique_taille_bytes gauge
pulsodex_memoire_physique_taille_bytes 8589934592
# HELP pulsodex_memoire_utilisee_ratio Taux d'utilisation de la mémoire, de 0 à 1.
# TYPE pulsodex_memoire_utilisee_ratio gauge
pulsodex_memoire_utilisee_ratio 0.5
# HELP pulsodex_processeur_charge_ratio Charge du processeur, de 0 à 1.
# TYPE pulsodex_processeur_charge_ratio gauge
pulsodex_processeur_charge_ratio 0.07
# HELP pulsodex_lecteur_repond Le lecteur a répondu au dernier relevé (1) ou non (0).
# TYPE pulsodex_lecteur_repond gauge
pulsodex_lecteur_repond{lecteur="C",dossier="/"} 1
pulsodex_lecteur_repond{lecteur="E",dossier="/mnt/ré\"seau\\x"} 0
# HELP pulsodex_lecteur_libre_bytes Espace libre du lecteur (f_bfree × f_frsize), en octets.
# TYPE pulsodex_lecteur_libre_bytes gauge
pulsodex_lecteur_libre_bytes{lecteur="C",dossier="/"} 1000
# HELP pulsodex_lecteur_taille_bytes Taille du lecteur (f_blocks × f_frsize), en octets.
# TYPE pulsodex_lecteur_taille_bytes gauge
pulsodex_lecteur_taille_bytes{lecteur="C",dossier="/"} 4000
# HELP pulsodex_alarmes_actives Règles d'avertissement dont la condition tenait au dernier relevé.
# TYPE pulsodex_alarmes_actives gauge
pulsodex_alarmes_actives 2
# HELP pulsodex_version_info Version de Pulsodex.
# TYPE pulsodex_version_info gauge
pulsodex_version_info{version="1.0 Béta 2"} 1
)");
}

// Sans lecteur qui réponde, ni bande du processeur : ni leurs familles ni
// leurs aides ; avant le premier tic, seule la version.
TEST(PageMesures, FamillesSansValeurOmises) {
    ReleveMesures r = ReleveFixe();
    r.ChargeCpu.reset();
    r.ChargeCpuMoyenne = 100;
    r.Lecteurs = {{'D', "/home\nx", false, 0, 0}};
    const std::string page = PageMesures(r);
    EXPECT_EQ(page.find("processeur_charge_ratio"), std::string::npos);
    EXPECT_NE(page.find("pulsodex_processeur_charge_moyenne_ratio 1\n"), std::string::npos);
    EXPECT_NE(page.find("pulsodex_lecteur_repond{lecteur=\"D\",dossier=\"/home\\nx\"} 0\n"),
              std::string::npos);
    EXPECT_EQ(page.find("lecteur_libre"), std::string::npos);
    EXPECT_EQ(page.find("lecteur_taille"), std::string::npos);

    EXPECT_EQ(PageMesures(ReleveMesures{}), R"(# HELP pulsodex_version_info Version de Pulsodex.
# TYPE pulsodex_version_info gauge
pulsodex_version_info{version="1.0 Béta 2"} 1
)");
}

std::string Page() {
    return "page\n";
}

TEST(RequeteHttp, AnalyseEtReponse) {
    struct Cas {
        std::string recu;
        EtatRequete etat;
        const char* debutReponse;
    };
    const Cas cas[] = {
        {"GET /metrics HTTP/1.1\r\nHost: x\r\n\r\n", EtatRequete::Complete, "HTTP/1.1 200 OK\r\n"},
        {"GET /metrics?x=1 HTTP/1.0\n\n", EtatRequete::Complete, "HTTP/1.1 200 OK\r\n"},
        {"GET /metrics/ HTTP/1.1\r\n\r\n", EtatRequete::Complete, "HTTP/1.1 404 Not Found\r\n"},
        {"POST /metrics HTTP/1.1\r\n\r\n", EtatRequete::Complete, "HTTP/1.1 405 Method Not Allowed\r\n"},
        {"\x16\x03\x01\x02 x\n", EtatRequete::Malformee, "HTTP/1.1 400 Bad Request\r\n"},
        {"GET /metrics HTTP/2.0\r\n\r\n", EtatRequete::Malformee, "HTTP/1.1 400 Bad Request\r\n"},
        {"get /metrics HTTP/1.1\r\n", EtatRequete::Malformee, "HTTP/1.1 400 Bad Request\r\n"},
        {"GET /metrics HTTP/1.1\r\nHost: x\r\n", EtatRequete::Incomplete, "HTTP/1.1 400 Bad Request\r\n"},
        {std::string(65, 'A'), EtatRequete::LigneTropLongue, "HTTP/1.1 414 URI Too Long\r\n"},
        {"GET /metrics HTTP/1.1\r\nX: " + std::string(40, 'x'), EtatRequete::EnTetesTropLongs,
         "HTTP/1.1 431 Request Header Fields Too Large\r\n"},
    };
    for (const Cas& k : cas) {
        const Requete r = AnalyserRequete(k.recu, 64);
        EXPECT_EQ(r.Etat, k.etat) << k.recu;
        EXPECT_TRUE(Repondre(r, Page).starts_with(k.debutReponse)) << k.recu;
    }
}

TEST(RequeteHttp, ReponsesEntieres) {
    EXPECT_EQ(Repondre(AnalyserRequete("HEAD /metrics HTTP/1.1\r\n\r\n", 64), Page),
              "HTTP/1.1 200 OK\r\nContent-Type: text/plain; version=0.0.4; charset=utf-8\r\n"
              "Content-Length: 5\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(Repondre(AnalyserRequete("PUT /metrics HTTP/1.1\r\n\r\n", 64), Page),
              "HTTP/1.1 405 Method Not Allowed\r\nContent-Type: text/plain; charset=utf-8\r\n"
              "Content-Length: 34\r\nConnection: close\r\nAllow: GET, HEAD\r\n\r\n"
              "Seules GET et HEAD sont permises.\n");
    EXPECT_EQ(ReponseDelaiDepasse(),
              "HTTP/1.1 408 Request Timeout\r\nContent-Type: text/plain; charset=utf-8\r\n"
              "Content-Length: 37\r\nConnection: close\r\n\r\n"
              "Requête incomplète dans le délai.\n");
}

} // namespace
} // namespace pulsodex::net
