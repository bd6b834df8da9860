#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "FacticesDisques.h"
#include "Fichiers.h"
#include "linux/DisquesLinux.h"
#include "linux/ExecuteurLinux.h"

namespace pulsodex {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class DossierEssai : public ::testing::Test {
protected:
    test::DossierTemporaire m_temporaire{"pulsodex-disques"};
    const fs::path m_racine = m_temporaire.Chemin();
};

TEST_F(DossierEssai, StatvfsDossierReelEtDossierAbsent) {
    SondeEspaceStatvfs sonde;
    const ReponseSonde r = sonde.Interroger(m_racine.string());
    ASSERT_EQ(r.Etat, EtatSonde::Ok);
    EXPECT_GT(r.Taille, 0);
    EXPECT_LE(r.Libre, r.Taille);
    EXPECT_EQ(sonde.Interroger((m_racine / "absent").string()).Etat, EtatSonde::Absent);
}

TEST_F(DossierEssai, MontagesProcLitMountinfoEtFstab) {
    MontagesProc source(test::CheminDonnee("montages/bureau.mountinfo"),
                        test::CheminDonnee("montages/bureau.fstab"));
    const std::uint64_t version = source.Table().Version;
    EXPECT_EQ(source.Table().Montes.size(), 35U);
    EXPECT_EQ(source.Table().Prevus.size(), 6U);
    // Un fichier ordinaire ne signale jamais de changement : pas de relecture.
    EXPECT_EQ(source.Table().Version, version);

    MontagesProc absente((m_racine / "absent").string(), (m_racine / "absent").string());
    EXPECT_TRUE(absente.Table().Montes.empty() && absente.Table().Prevus.empty());
    // La table du processus contient la racine.
    EXPECT_NE(MontageDe(MontagesProc().Table().Montes, "/"), nullptr);
}

TEST_F(DossierEssai, FichiersOuvertsParLesLiensDesDescripteurs) {
    auto lien = [&](const char* pid, const char* fd, const char* cible) {
        fs::create_directories(m_racine / pid / "fd");
        fs::create_symlink(cible, m_racine / pid / "fd" / fd);
    };
    lien("12", "0", "/dev/null");
    lien("12", "3", "socket:[4242]");
    lien("13", "4", "/mnt/nas2/doc.txt");
    lien("self", "5", "/mnt/nas/compte.txt"); // pas un numéro de processus
    fs::create_directories(m_racine / "14");  // sans dossier fd
    const std::string racine = m_racine.string();
    EXPECT_FALSE(FichiersOuvertsSous(racine, "/mnt/nas"));
    lien("15", "7", "/mnt/nas/photos/ete.jpg (deleted)");
    EXPECT_TRUE(FichiersOuvertsSous(racine, "/mnt/nas"));
    EXPECT_FALSE(FichiersOuvertsSous((m_racine / "absent").string(), "/mnt/nas"));
}

// Une commande du shell, LC_ALL=C ajouté à son environnement.
CommandeProgramme Shell(const char* script) {
    return {{"/bin/sh", "-c", script}, {"LC_ALL=C"}, 10s};
}

// Lancé, fini, code et sortie d'erreur, comparés d'un coup.
std::tuple<bool, bool, int, std::string> Resume(const ResultatProgramme& r) {
    return {r.Lance, r.Termine, r.Code, r.Erreurs};
}

TEST(ExecuteurLinux, CodeSortieDErreurDelaiEtProgrammeAbsent) {
    ExecuteurLinux executeur;
    EXPECT_EQ(Resume(executeur.Executer(Shell("echo 'umount: /mnt/nas: target is busy.' >&2; exit 32"))),
              std::tuple(true, true, 32, std::string("umount: /mnt/nas: target is busy.\n")));
    // La variable ajoutée remplace celle du parent.
    EXPECT_EQ(Resume(executeur.Executer(Shell("printf %s \"$LC_ALL\" >&2"))),
              std::tuple(true, true, 0, std::string("C")));
    EXPECT_FALSE(executeur.Executer({{"sleep", "100"}, {}, 50ms}).Termine);
    const ResultatProgramme absent = executeur.Executer({{"pulsodex-programme-qui-n-existe-pas"}, {}, 1s});
    EXPECT_FALSE(absent.Lance);
    EXPECT_EQ(absent.ErreurLancement, ENOENT);
    EXPECT_FALSE(executeur.Executer({}).Lance);
}

} // namespace
} // namespace pulsodex
