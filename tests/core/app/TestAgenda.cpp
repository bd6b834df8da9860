#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

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
    // clang-format off
    const Cas cas[] = {
        {0, 0, "", "", Moment(9, 0), true},        {11, 0, "", "", Moment(9, 0), false},
        {12, 7, "", "", Moment(9, 0), true},       {0, 2, "", "", Moment(9, 0), false}, // samedi, pas lundi
        {0, 8, "", "", Moment(9, 0), false},       {0, 9, "", "", Moment(9, 0), true},  // semaine, week-end un samedi
        {0, 9, "", "", Moment(9, 0, 0, 6, 1), true},  // week-end un dimanche
        {0, 8, "", "", Moment(9, 0, 0, 7, 2), true},  // semaine : un lundi,
        {0, 8, "", "", Moment(9, 0, 0, 4, 6), true},  // un vendredi,
        {0, 8, "", "", Moment(9, 0, 0, 6, 1), false}, // pas un dimanche
        {0, 14, "", "", Moment(9, 0), true},                // le 5 du mois
        {0, 40, "", "", Moment(9, 0, 0, 30, 2, 11), false}, // le 31, un mois de 30 jours
        {0, 0, "07:30", "", Moment(7, 30, 59), true}, {0, 0, "07:30", "", Moment(7, 31), false},
        {0, 0, "7:30", "", Moment(7, 30), false}, // sans le zéro : jamais
        {0, 0, "", "5", Moment(0, 5), true},  {0, 0, "", "05", Moment(13, 5), true},
        {0, 0, "", "5", Moment(13, 50), false}, {0, 0, "", "00", Moment(13, 0), true},
        {0, 0, "23:59", "", Moment(23, 59), true}, {0, 0, "07h30", "", Moment(7, 30), false},
        {0, 0, "07:30:00", "", Moment(7, 30), false}, {0, 0, "", "50", Moment(13, 50), true},
        {0, 0, "", "005", Moment(0, 5), false}, {0, 0, "", "a", Moment(0, 5), false}};
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
    const std::pair<int, bool> reponses[] = {
        {0, true}, {2, true}, {32, true}, {33, false}, {LancementReussi, false}};
    for (const auto& [code, echoue] : reponses) {
        EXPECT_EQ(LancementEchoue(code), echoue) << code;
    }
    EXPECT_EQ(LigneTachesErr("05/12/2026 09:52:10", "Sauve\r\ngarde", "Fichier non trouvé."),
              "(05/12/2026 09:52:10) Lancement de la tâche \"Sauve  garde\" : Fichier non trouvé.\r\n");
}

class AgendaTest : public ::testing::Test {
protected:
    void Tic(const DateHeure& m) { LancerEvenements(evenements, m, sons, messageEnCours, services); }
    static TEvenement Message(const char* heure, const char* minute, std::uint8_t jour = 0) {
        TEvenement e;
        e.Actif = true;
        e.Type = TypeEvenement::Message;
        e.Heure = heure;
        e.Minute = minute;
        e.Jour = jour;
        e.Message = "Réunion";
        return e;
    }

    DossierTemporaire dossier{"pulsodex-agenda"};
    const std::string erreurs = (dossier / "Taches.err").string();
    LanceurFactice lanceur;
    LocaleFrancaise locale;
    std::vector<std::pair<std::string, std::uint16_t>> montres;
    bool messageEnCours = false;
    bool sons = true;
    ListeEvenements evenements;
    // Vrai : les messages restent ouverts jusqu'à l'appel de leur fermeture.
    bool garderOuverts = false;
    std::vector<std::function<void()>> fermetures;
    std::string fichierErreurs; // Taches.err des lancements faits sur-le-champ
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

TEST_F(AgendaTest, AuLancementUneFoisParJourQuiConvient) {
    evenements = {Message("", "")};
    Tic(Moment(9, 0));
    Tic(Moment(9, 1));
    Tic(Moment(23, 59));
    ASSERT_EQ(montres.size(), 1U);
    EXPECT_EQ(montres[0], (std::pair<std::string, std::uint16_t>{"Réunion", 0x40}));
    // Un jour précis : repart quand un nouveau jour qui convient commence.
    evenements = {Message("", "", 14)}; // le 5 du mois
    montres.clear();
    Tic(Moment(9, 0));
    Tic(Moment(9, 0, 0, 6, 1));
    Tic(Moment(9, 0, 0, 5, 7, 1)); // le 5 janvier
    EXPECT_EQ(montres.size(), 2U);
    // À une heure, tic à chaque seconde : une fois, puis le lendemain ; sans son.
    evenements = {Message("07:30", "")};
    montres.clear();
    sons = false;
    for (int s = 0; s < 60; ++s) {
        Tic(Moment(7, 30, s));
    }
    Tic(Moment(7, 31));
    Tic(Moment(7, 30)); // le lendemain, même heure
    ASSERT_EQ(montres.size(), 2U);
    EXPECT_EQ(montres[0].second, 0);
    // À la minute 5 de chaque heure.
    evenements = {Message("", "5")};
    montres.clear();
    for (int h = 0; h < 3; ++h) {
        for (int m = 0; m < 60; ++m) {
            Tic(Moment(h, m));
        }
    }
    EXPECT_EQ(montres.size(), 3U);
}

TEST_F(AgendaTest, MessageDuPendantUnAutre) {
    // Au lancement : montré juste après l'autre fenêtre.
    evenements = {Message("", "")};
    messageEnCours = true;
    Tic(Moment(9, 0));
    EXPECT_TRUE(montres.empty());
    messageEnCours = false;
    Tic(Moment(9, 1));
    EXPECT_EQ(montres.size(), 1U);
    // À une heure : perdu si l'autre fenêtre dure plus que la minute.
    evenements = {Message("09:00", "")};
    montres.clear();
    messageEnCours = true;
    Tic(Moment(9, 0));
    messageEnCours = false;
    Tic(Moment(9, 1));
    EXPECT_TRUE(montres.empty());
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
    fermetures.at(1)();
    Tic(Moment(9, 0, 3));
    EXPECT_EQ(montres.size(), 2U);
}

TEST_F(AgendaTest, TachesLanceesEtEchecsDansTachesErr) {
    fichierErreurs = erreurs;
    TEvenement tache;
    tache.Actif = true;
    tache.Type = TypeEvenement::Tache;
    tache.Nom = "Sauvegarde";
    tache.Commande = "/opt/absent";
    tache.Parametres = "-v";
    tache.Repertoire = "/tmp";
    tache.ModeLancement = ModeLancement::Icone;
    TEvenement inactive = tache;
    inactive.Actif = false;
    TEvenement autreType = tache;
    autreType.Type = static_cast<TypeEvenement>(3);
    evenements = {tache, inactive, autreType};
    lanceur.Reponse = 2;
    messageEnCours = true; // une tâche ne regarde pas les messages
    Tic(Moment(9, 52, 10));
    Tic(Moment(9, 53));
    ASSERT_EQ(lanceur.Appels.size(), 1U);
    EXPECT_EQ(lanceur.Appels[0].Fichier, "/opt/absent");
    EXPECT_EQ(lanceur.Appels[0].Mode, ModeFenetre::Reduite);
    EXPECT_TRUE(evenements[0].Lance);
    EXPECT_EQ(LireFichier(erreurs),
              "(05/12/2026 09:52:10) Lancement de la tâche \"Sauvegarde\" : Fichier non trouvé.\r\n");
    EXPECT_TRUE(montres.empty());
    // Un fichier impossible à écrire : l'échec est avalé.
    fichierErreurs = "/proc/nulle-part/Taches.err";
    evenements[0].Lance = false;
    Tic(Moment(10, 0));
    EXPECT_EQ(lanceur.Appels.size(), 2U);
}

// Un lanceur qui reste bloqué tant qu'on ne le libère pas. Relache dit que
// la file qui s'en servait a fini son fil et rendu son état.
struct LanceurRetenu {
    std::mutex Verrou;
    std::condition_variable Signal;
    bool Libere = false;
    bool Relache = false;
    std::vector<std::string> Lances;
    std::thread::id Fil;

    void Executer(const TacheALancer& t) {
        std::unique_lock verrou(Verrou);
        Fil = std::this_thread::get_id();
        Lances.push_back(t.Nom);
        Signal.notify_all();
        Signal.wait(verrou, [this] { return Libere; });
    }
    void Liberer() {
        const std::scoped_lock verrou(Verrou);
        Libere = true;
        Signal.notify_all();
    }
    bool AttendreLances(std::size_t n, std::chrono::milliseconds delai = std::chrono::seconds(5)) {
        std::unique_lock verrou(Verrou);
        return Signal.wait_for(verrou, delai, [&] { return Lances.size() >= n; });
    }
    void Relacher() {
        const std::scoped_lock verrou(Verrou);
        Relache = true;
        Signal.notify_all();
    }
    bool AttendreRelache() {
        std::unique_lock verrou(Verrou);
        return Signal.wait_for(verrou, std::chrono::seconds(5), [&] { return Relache; });
    }
};

TEST_F(AgendaTest, FileTachesLanceAilleursDansLOrdre) {
    auto retenu = std::make_shared<LanceurRetenu>();
    {
        FileTaches file([retenu](const TacheALancer& t) { retenu->Executer(t); });
        services.LancerTache = [&file](TacheALancer t) {
            file.Ajouter(std::move(t));
        };
        TEvenement a;
        a.Actif = true;
        a.Type = TypeEvenement::Tache;
        a.Nom = "A";
        TEvenement b = a;
        b.Nom = "B";
        evenements = {a, b};
        // Le tic revient alors que le premier lancement est bloqué.
        Tic(Moment(9, 0));
        ASSERT_TRUE(retenu->AttendreLances(1));
        // A est retenu dans son lancement : la file ne peut pas être vide.
        EXPECT_FALSE(file.AttendreVide(std::chrono::milliseconds(0)));
        EXPECT_NE(retenu->Fil, std::this_thread::get_id());
        retenu->Liberer();
        ASSERT_TRUE(file.AttendreVide(std::chrono::seconds(5)));
        EXPECT_EQ(retenu->Lances, (std::vector<std::string>{"A", "B"}));
        EXPECT_TRUE(lanceur.Appels.empty());
    }
    // Une file détruite pendant un lancement bloqué n'attend pas et n'en lance plus.
    auto bloque = std::make_shared<LanceurRetenu>();
    {
        // Le témoin part avec l'état de la file, quand son fil a fini.
        std::shared_ptr<void> temoin(nullptr, [bloque](void*) { bloque->Relacher(); });
        FileTaches file([bloque, temoin = std::move(temoin)](const TacheALancer& t) { bloque->Executer(t); });
        TacheALancer c;
        c.Nom = "C";
        file.Ajouter(c);
        file.Ajouter(c);
        ASSERT_TRUE(bloque->AttendreLances(1));
    }
    bloque->Liberer();
    // Une fois le fil fini, plus rien ne peut lancer : C ne l'a été qu'une fois.
    ASSERT_TRUE(bloque->AttendreRelache());
    EXPECT_FALSE(bloque->AttendreLances(2, std::chrono::milliseconds(0)));
    EXPECT_EQ(bloque->Lances, std::vector<std::string>{"C"});
}

} // namespace
} // namespace pulsodex::test
