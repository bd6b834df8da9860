// Petit programme d'essai de l'écriture des réglages, piloté par
// ecriture_reglages.sh :
//   essai_reglages tours FICHIER SECTION NOMBRE [ETAPE TOUR]
//       à chaque tour, 40 valeurs de SECTION portent le numéro du tour, et
//       « Commun/Dernier » le nom de la section et ce numéro ; écrit le numéro
//       de chaque tour enregistré sur la sortie, et sur la sortie d'erreur
//       « attentes=N » : les pauses faites à attendre le verrou au premier.
//       Avec ETAPE (verrou, temporaire, remplace) et TOUR : le programme se
//       tue (SIGKILL) à cette étape de l'écriture de ce tour (compté depuis 1).
//       Une sauvegarde qui trouve le verrou tenu plus longtemps que l'attente
//       permise est refaite (vingt fois au plus).
//   essai_reglages verifier FICHIER SECTION
//       le fichier se lit proprement et les 40 valeurs sont du même tour ;
//       écrit ce tour.
//   essai_reglages ecrire FICHIER SECTION NOM TEXTE
//       code 0 si la valeur a atteint le disque ; sinon 1 et la cause.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/commun/Fichiers.h"
#include "core/config/FichierIni.h"
#include "core/config/RegistreFichier.h"
#include "linux/HorlogeLinux.h"
#include "linux/StockageFichier.h"

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
    return texte.starts_with(section + '-') ? std::atol(&texte[section.size() + 1]) : -1;
}

// Le fichier et son registre, sur l'horloge et le verrou du système.
struct Reglages {
    explicit Reglages(const std::string& fichier) : Stockage(fichier, Temps), Reg(Stockage, Horloge) {}
    HorlogeLinux Horloge;
    TempsVerrouSysteme Temps;
    StockageFichier Stockage;
    RegistreFichier Reg;
};

int Tours(const std::string& fichier, const std::string& section, long nombre, const std::string& etape,
          long tourArret) {
    Reglages r(fichier);
    long fait = 0;
    const EtapeEcriture arret = etape == "verrou"       ? EtapeEcriture::VerrouPris
                                : etape == "temporaire" ? EtapeEcriture::TemporaireEcrit
                                                        : EtapeEcriture::FichierRemplace;
    r.Stockage.Observateur = [&fait, arret, tourArret](EtapeEcriture e) {
        if (e == arret && fait + 1 == tourArret) {
            std::raise(SIGKILL);
        }
    };
    long tour = std::max(0L, Tour(section, r.Reg.ReadString(section, Nom(0), ""))) + 1;
    for (; nombre == 0 || fait < nombre; ++fait, ++tour) {
        for (int i = 0; i < NombreValeurs; ++i) {
            r.Reg.WriteString(section, Nom(i), Texte(section, tour));
        }
        r.Reg.WriteString("Commun", "Dernier", section + "-" + std::to_string(tour));
        // Un verrou tenu au-delà de l'attente permise (machine chargée) : les
        // changements restent en attente, et la sauvegarde suivante les porte.
        int occupe = 0;
        while (!r.Reg.Synchroniser()) {
            if (!r.Reg.ErreurEcriture().ends_with(" : un autre programme écrit ce fichier en ce moment") ||
                ++occupe == 20) {
                std::fprintf(stderr, "échec : %s\n", r.Reg.ErreurEcriture().c_str());
                return 1;
            }
        }
        if (fait == 0) {
            std::fprintf(stderr, "attentes=%d\n", r.Stockage.Attentes());
        }
        std::printf("%ld\n", tour);
        std::fflush(stdout);
    }
    return 0;
}

int Verifier(const std::string& fichier, const std::string& section) {
    const auto octets = LireFichier(fichier);
    const LectureIni lecture = LireIni(octets.value_or(""));
    if (!octets || !lecture.Abimees.empty()) {
        std::printf("fichier illisible ou abîmé\n");
        return 1;
    }
    long tour = -1;
    for (int i = 0; i < NombreValeurs; ++i) {
        const auto v = lecture.Valeurs.find(section + "\\" + Nom(i));
        const std::string texte = v == lecture.Valeurs.end() ? "(absente)" : v->second;
        tour = i == 0 ? Tour(section, texte) : tour; // les 40 sont du tour de la première
        if (texte != Texte(section, tour)) {
            std::printf("contenu mêlé : %s = %s\n", Nom(i).c_str(), texte.c_str());
            return 1;
        }
    }
    std::printf("%ld\n", tour);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> a(argv + 1, argv + argc);
    if ((a.size() == 4 || a.size() == 6) && a[0] == "tours") {
        return Tours(a[1], a[2], std::stol(a[3]), a.size() > 4 ? a[4] : "",
                     a.size() > 4 ? std::stol(a[5]) : 0);
    }
    if (a.size() == 3 && a[0] == "verifier") {
        return Verifier(a[1], a[2]);
    }
    if (a.size() == 5 && a[0] == "ecrire") {
        Reglages r(a[1]);
        r.Reg.WriteString(a[2], a[3], a[4]);
        const bool ecrit = r.Reg.Synchroniser();
        std::printf("%s\n", r.Reg.ErreurEcriture().c_str());
        return ecrit ? 0 : 1;
    }
    return 2; // usage : voir plus haut
}
