#include "core/config/dialog/ZonesAgenda.h"

#include "core/commun/Textes.h"

namespace pulsodex {

namespace {

std::string_view SeparateurOuDeuxPoints(std::string_view separateur) {
    return separateur.empty() ? std::string_view(":") : separateur;
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Un ou deux chiffres au début du texte, avancé d'autant ; -1 sinon.
int LireChamp(std::string_view& texte) {
    std::size_t n = 0;
    while (n < texte.size() && n < 3 && EstChiffre(texte[n])) {
        ++n;
    }
    if (n == 0 || n > 2) {
        return -1;
    }
    int valeur = 0;
    for (std::size_t i = 0; i < n; ++i) {
        valeur = valeur * 10 + (texte[i] - '0');
    }
    texte.remove_prefix(n);
    return valeur;
}

// Le séparateur de la langue ou « : » au début du texte, avancé d'autant.
bool LireSeparateur(std::string_view& texte, std::string_view separateur) {
    for (std::string_view s : {separateur, std::string_view(":")}) {
        if (!s.empty() && texte.substr(0, s.size()) == s) {
            texte.remove_prefix(s.size());
            return true;
        }
    }
    return false;
}

std::string Remplacer(std::string_view texte, std::string_view ancien, std::string_view nouveau) {
    std::string resultat;
    if (ancien.empty()) {
        return std::string(texte);
    }
    std::size_t debut = 0;
    for (std::size_t p = texte.find(ancien); p != std::string_view::npos; p = texte.find(ancien, debut)) {
        resultat.append(texte.substr(debut, p - debut));
        resultat.append(nouveau);
        debut = p + ancien.size();
    }
    resultat.append(texte.substr(debut));
    return resultat;
}

} // namespace

std::optional<std::string> LireHeureSaisie(std::string_view texte, std::string_view separateur) {
    const std::string_view sep = SeparateurOuDeuxPoints(separateur);
    const int heures = LireChamp(texte);
    if (heures < 0 || heures > 23 || !LireSeparateur(texte, sep)) {
        return std::nullopt;
    }
    const int minutes = LireChamp(texte);
    if (minutes < 0 || minutes > 59) {
        return std::nullopt;
    }
    if (!texte.empty()) {
        const int secondes = LireSeparateur(texte, sep) ? LireChamp(texte) : -1;
        if (secondes < 0 || secondes > 59 || !texte.empty()) {
            return std::nullopt;
        }
    }
    return Chiffres(heures, 2) + std::string(sep) + Chiffres(minutes, 2);
}

std::optional<std::string> LireMinuteSaisie(std::string_view texte) {
    if (texte.empty()) {
        return std::nullopt;
    }
    long long n = 0;
    for (char c : texte) {
        if (!EstChiffre(c)) {
            return std::nullopt;
        }
        // Tout nombre au-delà de 59 donne 0 : inutile d'aller plus loin.
        if (n <= 59) {
            n = n * 10 + (c - '0');
        }
    }
    return Chiffres(n > 59 ? 0 : static_cast<int>(n), 2);
}

std::string TexteHeureIncorrecte(std::string_view separateur) {
    return "Heure incorrecte. L'heure doit être au format \"hh" +
           std::string(SeparateurOuDeuxPoints(separateur)) + "mm\".";
}

std::string HeureStockee(std::string_view saisie, std::string_view separateur) {
    return Remplacer(saisie, SeparateurOuDeuxPoints(separateur), ":");
}

std::string HeureAffichee(std::string_view heure, std::string_view separateur) {
    return Remplacer(heure, ":", SeparateurOuDeuxPoints(separateur));
}

} // namespace pulsodex
