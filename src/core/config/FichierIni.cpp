#include "core/config/FichierIni.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/commun/Textes.h"

namespace pulsodex {

namespace {

constexpr char Separateur = '\\';
constexpr std::string_view Hexa = "0123456789ABCDEF";

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Rogner(std::string_view t) {
    const std::size_t debut = t.find_first_not_of(" \t");
    return debut == std::string_view::npos ? std::string_view{}
                                           : t.substr(debut, t.find_last_not_of(" \t") - debut + 1);
}

int ValeurHexa(char32_t c) {
    if (c >= '0' && c <= '9') {
        return static_cast<int>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<int>(c - 'A' + 10);
    }
    return -1;
}

// Ajoute à `chemin` les parties de `texte` séparées par « \ » ou « / », sans les vides.
void AjouterParties(std::string& chemin, std::string_view texte) {
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find_first_of("\\/", debut), texte.size());
        if (fin > debut) {
            if (!chemin.empty()) {
                chemin += Separateur;
            }
            chemin.append(texte.substr(debut, fin - debut));
        }
        debut = fin + 1;
    }
}

// Le nombre écrit en `n` chiffres hexadécimaux à partir de `i` ; rien sinon.
std::optional<char32_t> NombreHexa(std::string_view t, std::size_t i, std::size_t n) {
    if (i + n > t.size()) {
        return std::nullopt;
    }
    char32_t nombre = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const int chiffre = ValeurHexa(static_cast<unsigned char>(t[i + k]));
        if (chiffre < 0) {
            return std::nullopt;
        }
        nombre = nombre * 16 + static_cast<char32_t>(chiffre);
    }
    return nombre;
}

// Un nom écrit en INI (« Unit%E9 », « %U20AC », « 0\Type ») en UTF-8 ; les
// deux moitiés d'un caractère hors du plan de base (%UD83D%UDE00) se rejoignent.
std::string DechiffrerNom(std::string_view t) {
    std::string nom;
    std::size_t i = 0;
    while (i < t.size()) {
        const bool large = t.substr(i).starts_with("%U");
        const std::size_t n = large ? 4 : 2;
        const auto point = t[i] == '%' ? NombreHexa(t, i + (large ? 2 : 1), n) : std::nullopt;
        if (!point) {
            nom += t[i++];
            continue;
        }
        i += (large ? 2 : 1) + n;
        char32_t caractere = *point;
        if (caractere >= 0xD800 && caractere <= 0xDBFF && t.substr(i).starts_with("%U")) {
            const auto bas = NombreHexa(t, i + 2, 4);
            if (bas && *bas >= 0xDC00 && *bas <= 0xDFFF) {
                caractere = 0x10000 + ((caractere - 0xD800) << 10) + (*bas - 0xDC00);
                i += 6;
            }
        }
        AjouterUtf8(nom, caractere);
    }
    return nom;
}

// Le chemin d'une section d'après son en-tête ; « General » est la racine.
std::string CheminSection(std::string_view brut) {
    if (MinusculesAscii(brut) == "general") {
        return {};
    }
    if (brut.size() == 8 && brut.front() == '%' && MinusculesAscii(brut.substr(1)) == "general") {
        return std::string(brut.substr(1));
    }
    std::string chemin;
    AjouterParties(chemin, DechiffrerNom(brut));
    return chemin;
}

// Lit l'échappement dont la lettre est en `i` ; rend l'indice du dernier octet lu.
std::size_t Echappement(std::string_view v, std::size_t i, std::string& texte) {
    static constexpr std::pair<char, char> Simples[] = {{'a', '\a'},  {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                        {'r', '\r'},  {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                        {'\'', '\''}, {'?', '?'},  {'\\', '\\'}};
    const char c = v[i];
    for (const auto& [lettre, sens] : Simples) {
        if (c == lettre) {
            texte += sens;
            return i;
        }
    }
    const bool hexa = c == 'x' && i + 1 < v.size() && ValeurHexa(static_cast<unsigned char>(v[i + 1])) >= 0;
    const bool octal = c >= '0' && c <= '7';
    if (!hexa && !octal) {
        // Échappement inconnu (« C:\Users ») : gardé tel quel.
        texte += '\\';
        texte += c;
        return i;
    }
    const std::size_t base = hexa ? 16 : 8;
    const std::size_t maximum = hexa ? v.size() : std::min(v.size(), i + 3);
    std::size_t j = hexa ? i + 1 : i;
    char32_t point = 0;
    while (j < maximum) {
        const int chiffre = ValeurHexa(static_cast<unsigned char>(v[j]));
        if (chiffre < 0 || static_cast<std::size_t>(chiffre) >= base) {
            break;
        }
        point = std::min<char32_t>(point * base + static_cast<char32_t>(chiffre), 0x110000);
        ++j;
    }
    AjouterUtf8(texte, point);
    return j - 1;
}

// Les formes « @… » que QSettings donne aux textes.
void FormeArobase(std::string& texte) {
    if (texte.starts_with("@@")) {
        texte.erase(0, 1);
        return;
    }
    if (texte == "@Invalid()") {
        texte.clear();
        return;
    }
    for (const std::string_view forme : {std::string_view("@String("), std::string_view("@ByteArray(")}) {
        if (texte.starts_with(forme) && texte.ends_with(')')) {
            texte.pop_back();
            texte.erase(0, forme.size());
            return;
        }
    }
}

struct ValeurLue {
    std::string Texte;
    std::optional<DefautIni> Defaut;
};

// La valeur après « = » : guillemets, échappements, commentaire « ; » ; les
// blancs hors guillemets aux deux bouts tombent.
ValeurLue LireValeur(std::string_view v) {
    v = Rogner(v);
    std::string texte;
    std::size_t garde = 0; // ce qui précède ne perd pas ses blancs finaux
    bool entre = false;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '"') {
            entre = !entre;
            garde = texte.size();
        } else if (c == ';' && !entre) {
            break;
        } else if (c == '\\') {
            if (i + 1 == v.size()) {
                return {{}, DefautIni::SuiteDeLigne};
            }
            i = Echappement(v, i + 1, texte);
            garde = texte.size();
        } else {
            texte += c;
            garde = entre ? texte.size() : garde;
        }
    }
    if (entre) {
        return {{}, DefautIni::GuillemetNonFerme};
    }
    while (texte.size() > garde && EstBlanc(texte.back())) {
        texte.pop_back();
    }
    FormeArobase(texte);
    return {std::move(texte), std::nullopt};
}

// Le caractère en `i` (U+FFFD pour un octet qui n'est pas de l'UTF-8) ; avance `i`.
char32_t Suivant(std::string_view t, std::size_t& i) {
    const std::size_t n = SequenceUtf8(t, i);
    const char32_t point = n == 0 ? 0xFFFD : PointUtf8(t, i);
    i += n == 0 ? 1 : n;
    return point;
}

void AjouterHexa(std::string& texte, char32_t valeur, int chiffres) {
    for (int k = chiffres - 1; k >= 0; --k) {
        texte += Hexa[(valeur >> (4 * k)) & 0xFU];
    }
}

// Une partie de nom : lettres ASCII, chiffres, « _ », « - » et « . » telles
// quelles, le reste en « %XX » ou « %UXXXX » (UTF-16).
void EcrireNom(std::string& texte, std::string_view partie) {
    for (std::size_t i = 0; i < partie.size();) {
        const char32_t p = Suivant(partie, i);
        if ((p >= 'a' && p <= 'z') || (p >= 'A' && p <= 'Z') || (p >= '0' && p <= '9') || p == '_' ||
            p == '-' || p == '.') {
            texte += static_cast<char>(p);
        } else if (p <= 0xFF) {
            texte += '%';
            AjouterHexa(texte, p, 2);
        } else if (p <= 0xFFFF) {
            texte += "%U";
            AjouterHexa(texte, p, 4);
        } else {
            texte += "%U";
            AjouterHexa(texte, 0xD800 + ((p - 0x10000) >> 10), 4);
            texte += "%U";
            AjouterHexa(texte, 0xDC00 + ((p - 0x10000) & 0x3FFU), 4);
        }
    }
}

// En minuscules, sans zéros de tête, comme QSettings.
void AjouterHexaCourt(std::string& texte, char32_t valeur) {
    constexpr std::string_view Minuscules = "0123456789abcdef";
    std::string chiffres;
    do {
        chiffres.insert(chiffres.begin(), Minuscules[valeur & 0xFU]);
        valeur >>= 4;
    } while (valeur != 0);
    texte += chiffres;
}

std::string EcrireValeur(std::string_view valeur) {
    const std::string texte = valeur.starts_with('@') ? "@" + std::string(valeur) : std::string(valeur);
    std::string ecrit;
    bool guillemets = false;
    bool echapperChiffre = false; // un chiffre hexadécimal ne doit pas prolonger « \x1 »
    for (std::size_t i = 0; i < texte.size();) {
        const char32_t p = Suivant(texte, i);
        guillemets = guillemets || p == ';' || p == ',' || p == '=';
        if (echapperChiffre && ValeurHexa(p) >= 0) {
            ecrit += "\\x";
            AjouterHexaCourt(ecrit, p);
            continue;
        }
        echapperChiffre = false;
        static constexpr std::pair<char32_t, const char*> Nommes[] = {
            {'\a', "\\a"}, {'\b', "\\b"}, {'\f', "\\f"}, {'\n', "\\n"}, {'\r', "\\r"},
            {'\t', "\\t"}, {'\v', "\\v"}, {'"', "\\\""}, {'\\', "\\\\"}};
        const auto* nomme = std::find_if(std::begin(Nommes), std::end(Nommes),
                                         [p](const auto& paire) { return paire.first == p; });
        if (nomme != std::end(Nommes)) {
            ecrit += nomme->second;
        } else if (p <= 0x1F) {
            ecrit += p == 0 ? "\\0" : "\\x";
            if (p != 0) {
                AjouterHexaCourt(ecrit, p);
            }
            echapperChiffre = true;
        } else {
            AjouterUtf8(ecrit, p);
        }
    }
    if (guillemets || (!ecrit.empty() && (ecrit.front() == ' ' || ecrit.back() == ' '))) {
        return '"' + ecrit + '"';
    }
    return ecrit;
}

} // namespace

std::string CheminIni(std::string_view section, std::string_view nom) {
    std::string chemin;
    AjouterParties(chemin, section);
    AjouterParties(chemin, nom);
    return chemin;
}

LectureIni LireIni(std::string_view octets) {
    LectureIni lecture;
    if (octets.starts_with("\xEF\xBB\xBF")) {
        octets.remove_prefix(3);
    }
    std::string section;
    bool sectionPerdue = false;
    std::size_t numero = 0;
    while (!octets.empty()) {
        const std::size_t fin = std::min(octets.find_first_of("\r\n"), octets.size());
        const std::string_view ligne = octets.substr(0, fin);
        const bool crlf = octets.substr(fin).starts_with("\r\n");
        octets.remove_prefix(std::min(octets.size(), fin + (crlf ? 2 : 1)));
        ++numero;
        const auto abimee = [&](DefautIni defaut) {
            lecture.Abimees.push_back({numero, defaut});
        };
        const std::string_view t = Rogner(ligne);
        const bool enTete = t.starts_with('[');
        if (!Utf8Valide(t)) {
            abimee(DefautIni::NonUtf8);
            sectionPerdue = sectionPerdue || enTete;
            continue;
        }
        if (t.empty() || t.front() == ';' || t.front() == '#') {
            continue;
        }
        if (enTete) {
            sectionPerdue = t.size() < 2 || !t.ends_with(']');
            if (sectionPerdue) {
                abimee(DefautIni::EnTeteCoupe);
            } else {
                section = CheminSection(Rogner(t.substr(1, t.size() - 2)));
            }
            continue;
        }
        if (sectionPerdue) {
            abimee(DefautIni::SectionPerdue);
            continue;
        }
        const std::size_t egal = t.find('=');
        const std::string nom =
            egal == std::string_view::npos ? "" : DechiffrerNom(Rogner(t.substr(0, egal)));
        std::string chemin = section;
        AjouterParties(chemin, nom);
        if (chemin.size() == section.size()) {
            abimee(DefautIni::LigneInconnue);
            continue;
        }
        ValeurLue valeur = LireValeur(t.substr(egal + 1));
        if (valeur.Defaut) {
            abimee(*valeur.Defaut);
            continue;
        }
        lecture.Valeurs.insert_or_assign(std::move(chemin), std::move(valeur.Texte));
    }
    return lecture;
}

std::string EcrireIni(const ValeursIni& valeurs) {
    // Les sections dans l'ordre de leur nom, la racine d'abord ; dans chacune,
    // les noms dans l'ordre où QSettings les range (« / » pour séparateur).
    std::map<std::string, std::vector<std::pair<std::string, const std::string*>>> sections;
    for (const auto& [brut, valeur] : valeurs) {
        const std::string chemin = CheminIni(brut, "");
        if (chemin.empty()) {
            continue;
        }
        const std::size_t separateur = chemin.find(Separateur);
        const bool racine = separateur == std::string::npos;
        sections[racine ? "" : chemin.substr(0, separateur)].emplace_back(
            racine ? chemin : chemin.substr(separateur + 1), &valeur);
    }
    std::string texte;
    for (auto& [section, entrees] : sections) {
        std::ranges::sort(entrees, [](const auto& a, const auto& b) {
            return std::ranges::lexicographical_compare(a.first, b.first, [](char x, char y) {
                return (x == Separateur ? '/' : x) < (y == Separateur ? '/' : y);
            });
        });
        if (!texte.empty()) {
            texte += '\n';
        }
        texte += '[';
        if (section.empty()) {
            texte += "General";
        } else if (MinusculesAscii(section) == "general") {
            texte += '%' + section;
        } else {
            EcrireNom(texte, section);
        }
        texte += "]\n";
        for (const auto& [nom, valeur] : entrees) {
            for (std::size_t debut = 0; debut <= nom.size();) {
                const std::size_t fin = std::min(nom.find(Separateur, debut), nom.size());
                if (debut > 0) {
                    texte += Separateur;
                }
                EcrireNom(texte, std::string_view(nom).substr(debut, fin - debut));
                debut = fin + 1;
            }
            texte += '=';
            texte += EcrireValeur(*valeur);
            texte += '\n';
        }
    }
    return texte;
}

std::string_view NomDefaut(DefautIni defaut) {
    switch (defaut) {
    case DefautIni::GuillemetNonFerme:
        return "guillemet non fermé";
    case DefautIni::NonUtf8:
        return "octets qui ne sont pas du texte UTF-8";
    case DefautIni::LigneInconnue:
        return "ni section, ni « nom=valeur », ni commentaire";
    case DefautIni::EnTeteCoupe:
        return "en-tête de section coupé";
    case DefautIni::SuiteDeLigne:
        return "barre oblique inverse en fin de ligne";
    case DefautIni::SectionPerdue:
        return "valeur sous un en-tête de section abîmé";
    }
    return {};
}

} // namespace pulsodex
