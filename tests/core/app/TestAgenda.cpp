#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <semaphore>

#include "Attentes.h"
#include "Factices.h"
#include "Fichiers.h"
#include "core/app/Agenda.h"
#include "core/app/FileTaches.h"
#include "core/plateforme/Locale.h"

namespace pulsodex::test {
namespace {

// Samedi 5 décembre 2026.
DateHeure Moment(int heure, int minute, int seconde = 0, int jour = 5, int jourSemaine = 7, int mois = 12) {
    return {2026, mois, jour, jourSemaine, heure, minute, seconde, 0};
}

TEST(Concordance, JoursMoisHeuresMinutes) {
    struct Cas {
        std::uint8_t mois, jour;
        const char* heure;
        const char* minute;
        DateHeure moment;
        bool attendu;
    };
    // Jour 2 : lundi ; 8 : semaine, vendredi compris, pas le dimanche ; 9 : week-end ; 14 : le 5 ;
    // 40 : le 31, jamais en novembre. Une heure sans le zéro ne vaut jamais.
    // clang-format off
    const Cas cas[] = {
        {0, 0, "", "", Moment(9, 0), true}, {11, 0, "", "", Moment(9, 0), false},
        {12, 7, "", "", Moment(9, 0), true}, {0, 2, "", "", Moment(9, 0), false},
        {0, 8, "", "", Moment(9, 0), false}, {0, 9, "", "", Moment(9, 0), true},
        {0, 9, "", "", Moment(9, 0, 0, 6, 1), true}, {0, 8, "", "", Moment(9, 0, 0, 7, 2), true},
        {0, 8, "", "", Moment(9, 0, 0, 4, 6), true}, {0, 8, "", "", Moment(9, 0, 0, 6, 1), false},
        {0, 14, "", "", Moment(9, 0), true}, {0, 40, "", "", Moment(9, 0, 0, 30, 2, 11), false},
        {0, 0, "07:30", "", Moment(7, 30, 59), true}, {0, 0, "07:30", "", Moment(7, 31), false},
        {0, 0, "7:30", "", Moment(7, 30), false}, {0, 0, "07h30", "", Moment(7, 30), false},
        {0, 0, "", "5", Moment(0, 5), true}, {0, 0, "", "05", Moment(13, 5), true},
        {0, 0, "", "5", Moment(13, 50), false}, {0, 0, "", "00", Moment(13, 0), true},
        {0, 0, "", "50", Moment(13, 50), true}, {0, 0, "", "005", Moment(0, 5), false}};
    // clang-format on
    for (const auto& k : cas) {
        EXPECT_EQ(ConcordanceDateHeure(k.mois, k.jour, k.heure, k.minute, k.moment), k.attendu)
            << int(k.mois) << " " << int(k.jour) << " " << k.heure << " " << k.minute << " le jour "
            << k.moment.JourSemaine;
    }
}

TEST(Concordance, MessagesDErreurDeLancement) {
    EXPECT_EQ(MessageErreurLancement(2), "Fichier non trouvé.");
    EXPECT_EQ(MessageErreurLancement(3), "Répertoire par défaut inexistant.");
    EXPECT_EQ(MessageErreurLancement(13), "Cette application a été développée pour un autre système.");
    EXPECT_EQ(MessageErreurLancement(31), "Il n'existe pas d'associations à ce fichier.");
    EXPECT_EQ(MessageErreurLancement(99), "Impossible de lancer ce programme.");
    // 32 ou moins : un code d'erreur ; au-delà, un succès.
    const std::pair<int, bool> reponses[] = {{0, true}, {32, true}, {33, false}, {LancementReussi, false}};
    for (const auto& [code, echoue] : reponses) {
        EXPECT_EQ(LancementEchoue(code), echoue) << code;
    }
}

class AgendaTest : public ::testing::Test {
protected:
    void Tic(const DateHeure& m) { LancerEvenements(evenements, m, sons, messageEnCours, services); }
    // Actif, type, nom, commande, paramètres, répertoire, jour, mois, heure, minute, message.
    static TEvenement Message(const char* heure, const char* minute, std::uint8_t jour = 0) {
        return {true, TypeEvenement::Message, "", "", "", "", jour, 0, heure, minute, "Réunion"};
    }
    static TEvenement Tache(const char* nom) {
        return {true, TypeEvenement::Tache, nom, "", "", "", 0, 0, "", "", ""};
    }

    DossierTemporaire dossier{"pulsodex-agenda"};
    LanceurFactice lanceur;
    LocaleFrancaise locale;
    std::vector<std::pair<std::string, std::uint16_t>> montres;
    bool messageEnCours = false;
    bool sons = true;
    ListeEvenements evenements;
    // Vrai : les messages restent ouverts jusqu'à l'appel de leur fermeture.
    bool garderOuverts = false;
    std::vector<std::function<void()>> fermetures;
    std::string fichierErreurs = (dossier / "Taches.err").string(); // des lancements faits sur-le-champ
    ServicesAgenda services{
        locale,
        [this](const std::string& texte, std::uint16_t son, std::function<void()> fermee) {
            montres.emplace_back(texte, son);
            if (garderOuverts) {
                fermetures.push_back(std::move(fermee));
            } else {
                fermee();
            }
        },
        nullptr,
        [this](const TacheALancer& t) {
            ExecuterTache(t, lanceur, fichierErreurs);
        }};
};

TEST_F(AgendaTest, UneFoisParOccasionEtPasPendantUnAutreMessage) {
    struct Cas {
        const char* nom;
        TEvenement evenement;
        std::vector<std::pair<DateHeure, bool>> tics; // le moment, un autre message ouvert
        std::size_t montres;
    };
    const Cas cas[] = {
        {"au lancement, une fois par jour",
         Message("", ""),
         {{Moment(9, 0), false}, {Moment(23, 59), false}},
         1},
        {"le 5, puis le 5 janvier",
         Message("", "", 14),
         {{Moment(9, 0), false}, {Moment(9, 0, 0, 6, 1), false}, {Moment(9, 0, 0, 5, 7, 1), false}},
         2},
        {"à 07:30, tic à chaque seconde, puis de nouveau après 07:31",
         Message("07:30", ""),
         {{Moment(7, 30), false}, {Moment(7, 30, 59), false}, {Moment(7, 31), false}, {Moment(7, 30), false}},
         2},
        {"au lancement : juste après l'autre",
         Message("", ""),
         {{Moment(9, 0), true}, {Moment(9, 1), false}},
         1},
        {"à 09:00 : perdu si l'autre dure plus que la minute",
         Message("09:00", ""),
         {{Moment(9, 0), true}, {Moment(9, 1), false}},
         0},
    };
    for (const auto& k : cas) {
        evenements = {k.evenement};
        montres.clear();
        for (const auto& [moment, autre] : k.tics) {
            messageEnCours = autre;
            Tic(moment);
        }
        EXPECT_EQ(montres.size(), k.montres) << k.nom;
    }
    montres.clear();
    for (const bool son : {true, false}) {
        sons = son;
        evenements = {Message("", "")};
        Tic(Moment(9, 0));
    }
    EXPECT_EQ(montres,
              (std::vector<std::pair<std::string, std::uint16_t>>{{"Réunion", 0x40}, {"Réunion", 0}}));
}

TEST_F(AgendaTest, TicsPendantUnMessageOuvert) {
    evenements = {Message("", ""), Message("", "")};
    // Le premier message reste ouvert pendant les tics suivants : le second
    // attend qu'il soit fermé ; jamais deux à la fois.
    garderOuverts = true;
    Tic(Moment(9, 0));
    EXPECT_TRUE(messageEnCours);
    Tic(Moment(9, 0, 1));
    EXPECT_EQ(montres.size(), 1U);
    fermetures.at(0)();
    EXPECT_FALSE(messageEnCours);
    Tic(Moment(9, 0, 2));
    EXPECT_EQ(montres.size(), 2U);
}

TEST_F(AgendaTest, TachesLanceesEtEchecsDansTachesErr) {
    TEvenement tache = Tache("Sauve\r\ngarde"); // une ligne forgée n'en fait pas deux
    tache.Commande = "/opt/absent";
    tache.ModeLancement = ModeLancement::Icone;
    TEvenement inactive = tache;
    inactive.Actif = false;
    evenements = {tache, inactive};
    lanceur.Reponse = 2;
    messageEnCours = true; // une tâche ne regarde pas les messages
    Tic(Moment(9, 52, 10));
    Tic(Moment(9, 53));
    ASSERT_EQ(lanceur.Appels.size(), 1U);
    EXPECT_EQ(lanceur.Appels[0].Fichier, "/opt/absent");
    EXPECT_EQ(lanceur.Appels[0].Mode, ModeFenetre::Reduite);
    EXPECT_TRUE(evenements[0].Lance);
    EXPECT_EQ(LireFichier(fichierErreurs),
              "(05/12/2026 09:52:10) Lancement de la tâche \"Sauve  garde\" : Fichier non trouvé.\r\n");
    EXPECT_TRUE(montres.empty());
    // Un fichier impossible à écrire : l'échec est avalé.
    fichierErreurs = "/proc/nulle-part/Taches.err";
    evenements[0].Lance = false;
    Tic(Moment(10, 0));
    EXPECT_EQ(lanceur.Appels.size(), 2U);
}

// Les tâches partent sur un autre fil, dans l'ordre, sans retenir le tic ; une
// file détruite pendant un lancement bloqué n'attend pas et n'en lance plus.
// Chaque lancement attend une permission ; le témoin part avec l'état de la
// file, quand son fil a fini.
TEST_F(AgendaTest, FileTachesLanceAilleursDansLOrdre) {
    struct Retenue {
        std::counting_semaphore<16> Permis{0};
        std::mutex Verrou;
        std::vector<std::string> Lances;
        std::atomic<bool> Fini = false;
    };
    auto r = std::make_shared<Retenue>();
    const auto lances = [r] {
        const std::lock_guard verrou(r->Verrou);
        return r->Lances;
    };
    {
        std::shared_ptr<void> temoin(nullptr, [r](void*) { r->Fini = true; });
        FileTaches file([r, temoin = std::move(temoin)](const TacheALancer& t) {
            {
                const std::lock_guard verrou(r->Verrou);
                r->Lances.push_back(t.Nom);
            }
            r->Permis.acquire();
        });
        services.LancerTache = [&file](TacheALancer t) {
            file.Ajouter(std::move(t));
        };
        evenements = {Tache("A"), Tache("B"), Tache("C")};
        Tic(Moment(9, 0)); // revient alors que A est bloqué
        ASSERT_TRUE(AttendreQue([&] { return lances().size() == 1; }));
        EXPECT_FALSE(file.AttendreVide(std::chrono::milliseconds(0)));
        r->Permis.release();
        ASSERT_TRUE(AttendreQue([&] { return lances().size() == 2; }));
    } // détruite pendant que B est bloqué, C en attente
    r->Permis.release(10);
    ASSERT_TRUE(AttendreQue([&] { return r->Fini.load(); }));
    EXPECT_EQ(lances(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(lanceur.Appels.empty());
}

} // namespace
} // namespace pulsodex::test
