#include "core/probes/Montages.h"

#include <algorithm>

namespace pulsodex {

namespace {

bool EstOctal(char c) {
    return c >= '0' && c <= '7';
}

// « C:\ », « d:/… » : un chemin absolu de Windows.
bool EstCheminWindows(std::string_view chemin) {
    const char lettre = chemin.empty() ? '\0' : chemin[0];
    return chemin.size() >= 3 && ((lettre >= 'A' && lettre <= 'Z') || (lettre >= 'a' && lettre <= 'z')) &&
           chemin[1] == ':' && (chemin[2] == '\\' || chemin[2] == '/');
}

// Découpe sur un séparateur exact : des champs vides restent (source vide du noyau).
std::vector<std::string_view> Champs(std::string_view ligne, char separateur) {
    std::vector<std::string_view> champs;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = ligne.find(separateur, debut);
        champs.push_back(ligne.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
        if (fin == std::string_view::npos) {
            return champs;
        }
        debut = fin + 1;
    }
}

// Champs séparés par des blancs quelconques (fstab).
std::vector<std::string_view> Mots(std::string_view ligne) {
    std::vector<std::string_view> mots;
    std::size_t i = 0;
    while (i < ligne.size()) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) {
            ++i;
        }
        const std::size_t debut = i;
        while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') {
            ++i;
        }
        if (i > debut) {
            mots.push_back(ligne.substr(debut, i - debut));
        }
    }
    return mots;
}

// Appelle f pour chaque ligne, sans sa fin (LF ou CR LF).
template <typename F>
void ParLigne(std::string_view texte, F&& f) {
    while (!texte.empty()) {
        std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.remove_suffix(1);
        }
        f(ligne);
    }
}

} // namespace

std::string DecoderOctal(std::string_view texte) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        // Trois chiffres octaux, au plus \377 : un octet.
        if (texte[i] == '\\' && i + 3 < texte.size() && EstOctal(texte[i + 1]) && texte[i + 1] <= '3' &&
            EstOctal(texte[i + 2]) && EstOctal(texte[i + 3])) {
            resultat += static_cast<char>(((texte[i + 1] - '0') << 6) | ((texte[i + 2] - '0') << 3) |
                                          (texte[i + 3] - '0'));
            i += 3;
        } else {
            resultat += texte[i];
        }
    }
    return resultat;
}

std::vector<Montage> LireMountinfo(std::string_view texte) {
    std::vector<Montage> montages;
    ParLigne(texte, [&](std::string_view ligne) {
        const auto champs = Champs(ligne, ' ');
        // identifiant, parent, majeur:mineur, racine, point, options, [facultatifs…], -, type, source, …
        if (champs.size() < 5 || champs[4].empty()) {
            return;
        }
        Montage m;
        m.Peripherique = std::string(champs[2]);
        m.Racine = DecoderOctal(champs[3]);
        m.Point = DecoderOctal(champs[4]);
        for (std::size_t i = 6; i < champs.size(); ++i) {
            if (champs[i] == "-") {
                if (i + 1 < champs.size()) {
                    m.Type = DecoderOctal(champs[i + 1]);
                }
                if (i + 2 < champs.size()) {
                    m.Source = DecoderOctal(champs[i + 2]);
                }
                break;
            }
        }
        montages.push_back(std::move(m));
    });
    return montages;
}

std::vector<Montage> LireFstab(std::string_view texte) {
    std::vector<Montage> montages;
    ParLigne(texte, [&](std::string_view ligne) {
        const auto mots = Mots(ligne);
        if (mots.size() < 3 || mots[0].starts_with('#')) {
            return;
        }
        Montage m;
        m.Source = DecoderOctal(mots[0]);
        m.Point = NormaliserChemin(DecoderOctal(mots[1]));
        // « udf,iso9660 » : les types essayés tour à tour ; le premier suffit.
        m.Type = DecoderOctal(mots[2].substr(0, mots[2].find(',')));
        if (!m.Point.empty()) {
            montages.push_back(std::move(m));
        }
    });
    return montages;
}

std::string NormaliserChemin(std::string_view chemin) {
    const bool windows = EstCheminWindows(chemin);
    if (!windows && !chemin.starts_with('/')) {
        return {};
    }
    // Sous Windows, « / » et « \ » séparent tous deux ; la racine est le lecteur.
    const char separateur = windows ? '\\' : '/';
    std::string texte(windows ? chemin.substr(2) : chemin);
    if (windows) {
        std::replace(texte.begin(), texte.end(), '/', '\\');
    }
    std::vector<std::string_view> composants;
    for (std::string_view c : Champs(texte, separateur)) {
        if (c.empty() || c == ".") {
            continue;
        }
        if (c == "..") {
            if (!composants.empty()) {
                composants.pop_back();
            }
            continue;
        }
        composants.push_back(c);
    }
    std::string resultat;
    if (windows) {
        resultat += chemin[0] >= 'a' ? static_cast<char>(chemin[0] - 'a' + 'A') : chemin[0];
        resultat += ':';
    }
    for (std::string_view c : composants) {
        resultat += separateur;
        resultat += c;
    }
    if (composants.empty()) {
        resultat += separateur;
    }
    return resultat;
}

bool EstSous(std::string_view chemin, std::string_view point) {
    // La racine (« / », « C:\ ») tient tout ce qui commence par elle.
    const bool windows = EstCheminWindows(point);
    if (point == "/" || (windows && point.size() == 3)) {
        return chemin.starts_with(point);
    }
    const char separateur = windows ? '\\' : '/';
    return chemin.starts_with(point) && (chemin.size() == point.size() || chemin[point.size()] == separateur);
}

const Montage* MontageDe(const std::vector<Montage>& montages, std::string_view chemin) {
    const Montage* meilleur = nullptr;
    for (const Montage& m : montages) {
        if (EstSous(chemin, m.Point) && (meilleur == nullptr || m.Point.size() >= meilleur->Point.size())) {
            meilleur = &m;
        }
    }
    return meilleur;
}

const Montage* MontageAuPoint(const std::vector<Montage>& montages, std::string_view point) {
    const Montage* trouve = nullptr;
    for (const Montage& m : montages) {
        if (m.Point == point) {
            trouve = &m;
        }
    }
    return trouve;
}

} // namespace pulsodex
