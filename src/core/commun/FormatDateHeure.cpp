#include "core/commun/FormatDateHeure.h"

#include <cctype>

#include "core/commun/Textes.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

namespace {
char Minuscule(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string DeuxChiffres(int n) {
    return Chiffres(n, 2);
}

bool CommencePar(std::string_view motif, std::size_t i, std::string_view mot) {
    if (motif.size() - i < mot.size()) {
        return false;
    }
    for (std::size_t k = 0; k < mot.size(); ++k) {
        if (Minuscule(motif[i + k]) != mot[k]) {
            return false;
        }
    }
    return true;
}
} // namespace

std::string FormaterDateHeure(std::string_view motif, const DateHeure& m, const LocaleUtilisateur& locale) {
    std::string r;
    // Une demi-journée dans le motif : les heures vont de 1 à 12.
    const bool douzeHeures = [&] {
        for (std::size_t i = 0; i < motif.size(); ++i) {
            if (CommencePar(motif, i, "am/pm") || CommencePar(motif, i, "a/p")) {
                return true;
            }
        }
        return false;
    }();
    bool apresHeure = false; // dernier indicateur lu : une heure
    std::size_t i = 0;
    while (i < motif.size()) {
        const char c = motif[i];
        const char l = Minuscule(c);
        std::size_t n = 1;
        while (i + n < motif.size() && Minuscule(motif[i + n]) == l) {
            ++n;
        }
        switch (l) {
        case '\'':
        case '"': {
            const std::size_t fin = motif.find(c, i + 1);
            const std::size_t stop = fin == std::string_view::npos ? motif.size() : fin;
            r += motif.substr(i + 1, stop - i - 1);
            i = fin == std::string_view::npos ? motif.size() : fin + 1;
            continue;
        }
        case 'd':
            if (n == 1) {
                r += std::to_string(m.Jour);
            } else if (n == 2) {
                r += DeuxChiffres(m.Jour);
            } else if (n == 3) {
                r += locale.NomJourCourt(m.JourSemaine);
            } else {
                r += locale.NomJour(m.JourSemaine);
                n = 4;
            }
            apresHeure = false;
            break;
        case 'm':
            if (apresHeure && n <= 2) {
                r += n == 1 ? std::to_string(m.Minute) : DeuxChiffres(m.Minute);
            } else if (n == 1) {
                r += std::to_string(m.Mois);
            } else if (n == 2) {
                r += DeuxChiffres(m.Mois);
            } else if (n == 3) {
                r += locale.NomMoisCourt(m.Mois);
            } else {
                r += locale.NomMois(m.Mois);
                n = 4;
            }
            apresHeure = false;
            break;
        case 'y':
            r += n <= 2 ? DeuxChiffres(m.Annee % 100) : Chiffres(m.Annee, 4);
            n = n > 4 ? 4 : n;
            apresHeure = false;
            break;
        case 'h': {
            n = n > 2 ? 2 : n;
            int heure = m.Heure;
            if (douzeHeures) {
                heure = heure % 12 == 0 ? 12 : heure % 12;
            }
            r += n == 1 ? std::to_string(heure) : DeuxChiffres(heure);
            apresHeure = true;
            break;
        }
        case 'n':
            n = n > 2 ? 2 : n;
            r += n == 1 ? std::to_string(m.Minute) : DeuxChiffres(m.Minute);
            apresHeure = false;
            break;
        case 's':
            n = n > 2 ? 2 : n;
            r += n == 1 ? std::to_string(m.Seconde) : DeuxChiffres(m.Seconde);
            apresHeure = false;
            break;
        case 'z':
            n = n >= 3 ? 3 : 1;
            r += n == 1 ? std::to_string(m.Milliseconde) : Chiffres(m.Milliseconde, 3);
            apresHeure = false;
            break;
        case 'a':
            if (CommencePar(motif, i, "am/pm")) {
                r += m.Heure < 12 ? "am" : "pm";
                n = 5;
            } else if (CommencePar(motif, i, "a/p")) {
                r += m.Heure < 12 ? "a" : "p";
                n = 3;
            } else {
                r += c;
                n = 1;
            }
            break;
        case '/':
            r += locale.SeparateurDate();
            n = 1;
            break;
        case ':':
            r += locale.SeparateurHeure();
            n = 1;
            break;
        default:
            r += c;
            n = 1;
            break;
        }
        i += n;
    }
    return r;
}

} // namespace pulsodex
