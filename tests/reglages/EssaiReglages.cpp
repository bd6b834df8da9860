// Petit programme d'essai de l'écriture des réglages, piloté par
// ecriture_reglages.sh :
//   essai_reglages tours FICHIER SECTION NOMBRE   (NOMBRE 0 : sans fin)
//       à chaque tour, 40 valeurs de SECTION portent le numéro du tour, et
//       « Commun/Dernier » le nom de la section et ce numéro ; écrit le numéro
//       de chaque tour enregistré sur la sortie.
//   essai_reglages verifier FICHIER SECTION
//       le fichier se lit sans erreur et les 40 valeurs sont du même tour ;
//       écrit ce tour.
//   essai_reglages lire FICHIER SECTION NOM
//   essai_reglages ecrire FICHIER SECTION NOM TEXTE
//       code 0 si la valeur a atteint le disque ; sinon 1 et la cause.
#include <QCoreApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "adaptateurs/RegistreQSettings.h"
#include "commun/Textes.h"

namespace {
using namespace pulsodex;

constexpr int NombreValeurs = 40;

std::string Nom(int i) {
    return "Valeur" + std::to_string(i);
}

// « SECTION-tour-xxxx… » : assez long pour qu'un arrêt tombe en pleine écriture.
std::string Texte(const std::string& section, long tour) {
    return section + "-" + std::to_string(tour) + "-" + std::string(200, 'x');
}

// Le tour d'une valeur écrite par Texte ; -1 si elle n'en vient pas.
long Tour(const std::string& section, const std::string& texte) {
    const std::string prefixe = section + "-";
    if (!texte.starts_with(prefixe)) {
        return -1;
    }
    const std::string reste = texte.substr(prefixe.size());
    const auto tour = LireEntierDecimal(reste.substr(0, reste.find('-')));
    return tour ? static_cast<long>(*tour) : -1;
}

int Tours(const QString& fichier, const std::string& section, long nombre) {
    RegistreQSettings reg(fichier);
    long tour = std::max(0L, Tour(section, reg.ReadString(section, Nom(0), ""))) + 1;
    for (long fait = 0; nombre == 0 || fait < nombre; ++fait, ++tour) {
        for (int i = 0; i < NombreValeurs; ++i) {
            reg.WriteString(section, Nom(i), Texte(section, tour));
        }
        reg.WriteString("Commun", "Dernier", section + "-" + std::to_string(tour));
        if (!reg.Synchroniser()) {
            std::fprintf(stderr, "échec : %s\n", reg.ErreurEcriture().c_str());
            return 1;
        }
        std::printf("%ld\n", tour);
        std::fflush(stdout);
    }
    return 0;
}

int Verifier(const QString& fichier, const std::string& section) {
    {
        QSettings brut(fichier, QSettings::IniFormat);
        if (brut.status() != QSettings::NoError) {
            std::printf("fichier illisible\n");
            return 1;
        }
    }
    RegistreQSettings reg(fichier);
    long tour = -2;
    for (int i = 0; i < NombreValeurs; ++i) {
        const auto texte = reg.Lire(section, Nom(i));
        const long t = texte ? Tour(section, *texte) : -1;
        if (!texte || *texte != Texte(section, t) || (tour != -2 && t != tour)) {
            std::printf("contenu mêlé : %s = %s\n", Nom(i).c_str(), texte ? texte->c_str() : "(absente)");
            return 1;
        }
        tour = t;
    }
    std::printf("%ld\n", tour);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const auto arg = [&](int i) {
        return std::string(i < argc ? argv[i] : "");
    };
    const QString fichier = QString::fromLocal8Bit(arg(2).c_str());
    if (arg(1) == "tours" && argc == 5) {
        return Tours(fichier, arg(3), std::strtol(argv[4], nullptr, 10));
    }
    if (arg(1) == "verifier" && argc == 4) {
        return Verifier(fichier, arg(3));
    }
    if (arg(1) == "lire" && argc == 5) {
        std::printf("%s\n", RegistreQSettings(fichier).ReadString(arg(3), arg(4), "(absente)").c_str());
        return 0;
    }
    if (arg(1) == "ecrire" && argc == 6) {
        RegistreQSettings reg(fichier);
        reg.WriteString(arg(3), arg(4), arg(5));
        if (reg.Synchroniser()) {
            return 0;
        }
        std::printf("%s\n", reg.ErreurEcriture().c_str());
        return 1;
    }
    std::fprintf(stderr, "usage : essai_reglages tours|verifier|lire|ecrire FICHIER SECTION …\n");
    return 2;
}
