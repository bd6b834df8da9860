#include "core/probes/CarteLecteurs.h"

#include <algorithm>

#include "core/commun/LettresLecteurs.h"
#include "core/config/Registre.h"
#include "core/probes/GenresDisques.h"

namespace pulsodex {

namespace {

// La place d'une lettre, majuscule ou minuscule, dans la carte.
std::optional<std::size_t> Indice(char lettre) {
    if (lettre >= 'a' && lettre <= 'z') {
        lettre = static_cast<char>(lettre - 'a' + 'A');
    }
    const std::uint8_t lecteur = NumeroDuLecteur(lettre);
    if (lecteur == 0) {
        return std::nullopt;
    }
    return lecteur - 1U;
}

char LettreDeLIndice(std::size_t i) {
    return LettreDuLecteur(static_cast<std::uint8_t>(i + 1));
}

const std::string& Aucun() {
    static const std::string vide;
    return vide;
}

} // namespace

const std::string& CarteLecteurs::Chemin(std::uint8_t lecteur) const {
    if (lecteur < 1 || lecteur > NombreLecteurs) {
        return Aucun();
    }
    return m_chemins[lecteur - 1U];
}

const std::string& CarteLecteurs::CheminLettre(char lettre) const {
    auto i = Indice(lettre);
    return i ? m_chemins[*i] : Aucun();
}

void CarteLecteurs::Fixer(char lettre, std::string_view chemin) {
    if (auto i = Indice(lettre)) {
        m_chemins[*i] = NormaliserChemin(chemin);
    }
}

std::optional<char> CarteLecteurs::Attribuer(std::string_view chemin) {
    const std::string normal = NormaliserChemin(chemin);
    if (normal.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < NombreLecteurs; ++i) {
        if (m_chemins[i] == normal) {
            return LettreDeLIndice(i);
        }
    }
    // C à Z, puis A et B, les lettres des disquettes.
    for (std::size_t n = 0; n < NombreLecteurs; ++n) {
        const std::size_t i = (n + 2) % NombreLecteurs;
        if (m_chemins[i].empty()) {
            m_chemins[i] = normal;
            return LettreDeLIndice(i);
        }
    }
    return std::nullopt;
}

std::vector<std::string> CarteLecteurs::Libelles() const {
    std::vector<std::string> libelles;
    for (std::size_t i = 0; i < NombreLecteurs; ++i) {
        if (!m_chemins[i].empty()) {
            libelles.push_back(std::string(1, LettreDeLIndice(i)) + ": " + m_chemins[i]);
        }
    }
    return libelles;
}

std::vector<Montage> MontagesProposes(const std::vector<Montage>& montes) {
    std::vector<Montage> proposes;
    for (const Montage& m : montes) {
        if (!EstMontageReel(m)) {
            continue;
        }
        // Un même système monté deux fois (lien de montage entier) ne compte qu'une fois.
        const bool deja = std::any_of(proposes.begin(), proposes.end(), [&](const Montage& p) {
            return p.Point == m.Point || (p.Peripherique == m.Peripherique && p.Racine == m.Racine);
        });
        if (!deja) {
            proposes.push_back(m);
        }
    }
    return proposes;
}

CarteLecteurs CarteInitiale(const std::vector<Montage>& montes) {
    CarteLecteurs carte;
    carte.Fixer('C', "/");
    std::uint8_t lecteur = NumeroDuLecteur('D');
    for (const Montage& m : MontagesProposes(montes)) {
        if (lecteur > NombreLecteurs) {
            break;
        }
        if (NormaliserChemin(m.Point) != "/") {
            carte.Fixer(LettreDuLecteur(lecteur++), m.Point);
        }
    }
    return carte;
}

CarteLecteurs LireLecteurs(const Registre& registre) {
    CarteLecteurs carte;
    for (const std::string& nom : registre.NomsValeurs(SectionLecteurs)) {
        if (nom.size() == 1) {
            carte.Fixer(nom[0], registre.ReadString(SectionLecteurs, nom, ""));
        }
    }
    return carte;
}

void EcrireLecteurs(Registre& registre, const CarteLecteurs& carte) {
    registre.EraseSection(SectionLecteurs);
    for (std::uint8_t lecteur = 1; lecteur <= NombreLecteurs; ++lecteur) {
        const std::string& chemin = carte.Chemin(lecteur);
        if (!chemin.empty()) {
            registre.WriteString(SectionLecteurs, std::string(1, LettreDuLecteur(lecteur)), chemin);
        }
    }
}

CarteLecteurs ChargerLecteurs(Registre& registre, const std::vector<Montage>& montes) {
    if (registre.SectionExiste(SectionLecteurs)) {
        return LireLecteurs(registre);
    }
    CarteLecteurs carte = CarteInitiale(montes);
    EcrireLecteurs(registre, carte);
    return carte;
}

} // namespace pulsodex
