#include <gtest/gtest.h>

#include "Factices.h"
#include "core/app/Avertissements.h"

namespace pulsodex {
namespace {

using DisquesFactices = test::EspaceLecteursFactice;

constexpr Ressource Totale = Ressource::MemoireTotale;
constexpr Ressource Physique = Ressource::MemoirePhysique;
constexpr Ressource Disque = Ressource::Disque;
constexpr Ressource Charge = Ressource::ChargeMemoire;
using enum Unite;

StatutMemoire Memoire(std::int64_t libreTotal, std::int64_t total, std::int64_t librePhys, std::int64_t phys,
                      std::uint8_t charge) {
    return {phys, librePhys, total, libreTotal, charge};
}

TAvertissement Regle(Ressource ressource, std::int32_t seuil, Unite unite, const char* disque = "C") {
    return {ressource, seuil, unite, disque, 0};
}

TEST(Avertir, SeuilsEtArrondis) {
    DisquesFactices d;
    d.Espaces[5] = {94, 1000}; // E : 9,4 %
    d.Espaces[6] = {104, 1000};
    struct Cas {
        TAvertissement regle;
        StatutMemoire memoire;
        bool alarme;
    };
    const Cas cas[] = {
        {Regle(Totale, 10, Pourcent), Memoire(94, 1000, 0, 1, 0), true},       // 9,4 % : 9 < 10
        {Regle(Totale, 10, Pourcent), Memoire(104, 1000, 0, 1, 0), false},     // 10,4 % : 10
        {Regle(Totale, 10, Pourcent), Memoire(105, 1000, 0, 1, 0), false},     // 10,5 : au pair, 10
        {Regle(Totale, 10, Pourcent), Memoire(95, 1000, 0, 1, 0), false},      // 9,5 : au pair, 10
        {Regle(Physique, 2, Mo), Memoire(0, 1, 1572864, 1 << 30, 0), false},   // 1,5 Mo : au pair, 2
        {Regle(Physique, 3, Mo), Memoire(0, 1, 2621440, 1 << 30, 0), true},    // 2,5 Mo : au pair, 2 < 3
        {Regle(Physique, 2, Ko), Memoire(0, 1, 1536, 1 << 30, 0), false},      // 1,5 Ko → 2
        {Regle(Physique, 2, Ko), Memoire(0, 1, 1535, 1 << 30, 0), true},       // 1,499 Ko → 1
        {Regle(Physique, 1000, Octets), Memoire(0, 1, 999, 1 << 30, 0), true}, // octets
        {Regle(Charge, 90, Pourcent), Memoire(0, 1, 0, 1, 90), false},         // charge 90 contre 90
        {Regle(Charge, 90, Ko), Memoire(0, 1, 0, 1, 91), true},                // 91, l'unité ne compte pas
        {Regle(Disque, 10, Pourcent, "E"), Memoire(0, 1, 0, 1, 0), true},
        {Regle(Disque, 10, Pourcent, "F"), Memoire(0, 1, 0, 1, 0), false},
        {Regle(Disque, 10, Pourcent, "Z"), Memoire(0, 1, 0, 1, 0), false}, // disque muet : pas de %
        {Regle(Disque, 10, Octets, "Z"), Memoire(0, 1, 0, 1, 0), false},   // muet : ni plein ni vide
        {Regle(Totale, 10, Pourcent), Memoire(5, 0, 0, 1, 0), false},      // total nul
    };
    for (const auto& k : cas) {
        ListeAvertissements regles{k.regle};
        const int questions = d.Questions;
        const Alarmes a = EvaluerAvertissements(regles, k.memoire, 60, d);
        EXPECT_EQ(!a.Aucune(), k.alarme) << int(k.regle.Ressource) << " seuil " << k.regle.Seuil;
        // Un lecteur est interrogé une fois par règle, taille et espace ensemble.
        EXPECT_EQ(d.Questions - questions, k.regle.Ressource == Disque ? 1 : 0) << k.regle.Disque;
    }
}

TEST(Avertir, RepetitionEtReArmement) {
    DisquesFactices d;
    const StatutMemoire plein = Memoire(1, 100, 0, 1, 0);
    const StatutMemoire libre = Memoire(90, 100, 0, 1, 0);
    ListeAvertissements regles{Regle(Totale, 10, Pourcent)};
    auto tic = [&](const StatutMemoire& m, std::int32_t repeter) {
        return !EvaluerAvertissements(regles, m, repeter, d).Aucune();
    };
    // Les tics qui sonnent parmi les n suivants.
    auto sonnes = [&](int n, const StatutMemoire& m, std::int32_t repeter) {
        std::vector<int> tics;
        for (int i = 0; i < n; ++i) {
            if (tic(m, repeter)) {
                tics.push_back(i);
            }
        }
        return tics;
    };
    // Tous les 60 tics ; jamais (-1) : une fois, puis après être repassée au-dessus ; 0 et 1 : à chaque tic.
    EXPECT_EQ(sonnes(61, plein, 60), (std::vector<int>{0, 60}));
    regles = {Regle(Totale, 10, Pourcent)};
    EXPECT_EQ(sonnes(200, plein, -1), std::vector<int>{0});
    EXPECT_FALSE(tic(libre, -1));
    EXPECT_TRUE(tic(plein, -1));
    for (std::int32_t r : {0, 1}) {
        regles = {Regle(Totale, 10, Pourcent)};
        EXPECT_EQ(sonnes(2, plein, r), (std::vector<int>{0, 1})) << r;
    }
}

// La charge se tait après une règle de mémoire déjà sonnée, quelle qu'elle soit.
TEST(Avertir, LaChargeSeTaitApresUneMemoireDejaAlarmee) {
    DisquesFactices d;
    const StatutMemoire m = Memoire(1, 100, 1, 100, 95);
    struct Cas {
        ListeAvertissements regles;
        const char* phrase;
        int compteurSeconde; // la charge tue reste armée
    };
    // Les règles tenues comptent aussi la charge qui se tait.
    const Cas cas[] = {
        {{Regle(Totale, 10, Pourcent), Regle(Charge, 90, Pourcent)},
         "La mémoire totale est pratiquement remplie.",
         0},
        {{Regle(Physique, 10, Pourcent), Regle(Charge, 90, Pourcent)},
         "La mémoire physique est pratiquement remplie.",
         0},
        {{Regle(Charge, 90, Pourcent), Regle(Totale, 10, Pourcent)},
         "La mémoire totale ainsi que la mémoire sont pratiquement remplis.",
         60},
    };
    for (auto k : cas) {
        EXPECT_EQ(PhraseAlarme(EvaluerAvertissements(k.regles, m, 60, d)), k.phrase);
        EXPECT_EQ(k.regles[1].Compteur, k.compteurSeconde) << k.phrase;
        EXPECT_EQ(EvaluerAvertissements(k.regles, m, 60, d).Tenues, 2) << k.phrase; // et au tic suivant
    }
}

TEST(Avertir, DeuxReglesSurEDonnentEUneFois) {
    DisquesFactices d;
    d.Espaces[5] = {1, 1LL << 30};
    ListeAvertissements regles{Regle(Disque, 10, Pourcent, "E"), Regle(Disque, 500, Mo, "E")};
    const Alarmes a = EvaluerAvertissements(regles, {}, 60, d);
    EXPECT_EQ(PhraseAlarme(a), "Le disque E est pratiquement remplit.");
    EXPECT_EQ(a.Tenues, 2);
}

TEST(Avertir, Phrases) {
    auto phrase = [](bool t, bool p, bool c, std::initializer_list<int> disques) {
        Alarmes a{t, p, c, disques.size() > 0, {}, 0};
        for (int n : disques) {
            a.Disques.set(static_cast<std::size_t>(n));
        }
        return PhraseAlarme(a);
    };
    EXPECT_EQ(phrase(false, false, true, {}), "La mémoire est pratiquement remplie.");
    EXPECT_EQ(phrase(false, true, false, {6, 5}),
              "La mémoire physique ainsi que les disques E et F sont pratiquement remplis.");
    EXPECT_EQ(
        phrase(true, true, false, {5, 6, 7}),
        "La mémoire totale, la mémoire physique ainsi que les disques E, F et G sont pratiquement remplis.");
    EXPECT_EQ(phrase(false, false, false, {3, 4}), "Les disques C et D sont pratiquement remplis.");
    EXPECT_EQ(phrase(false, false, false, {}), "");
}

} // namespace
} // namespace pulsodex
