#include "core/probes/Formats.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Trace.h"
#include "core/plateforme/Locale.h"
#include "core/probes/Memoire.h"

namespace pulsodex {

FormatNombres FormatNombres::De(const LocaleUtilisateur& locale) {
    return {locale.SeparateurMilliers(), locale.SeparateurDecimal()};
}

namespace {
// Écritures indépendantes de la locale du C : Qt la règle sur celle de
// l'utilisateur au démarrage, et printf y mettrait sa virgule.
std::string_view Ecrire(std::array<char, 64>& tampon, double valeur, std::chars_format forme, int precision) {
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), valeur, forme, precision);
    return {tampon.data(), static_cast<std::size_t>(r.ptr - tampon.data())};
}

double ArrondiSignificatif(double valeur, int chiffres) {
    if (valeur == 0.0 || !std::isfinite(valeur)) {
        return valeur;
    }
    std::array<char, 64> tampon{};
    const std::string_view texte = Ecrire(tampon, valeur, std::chars_format::scientific, chiffres - 1);
    double arrondi = valeur;
    std::from_chars(texte.data(), texte.data() + texte.size(), arrondi);
    return arrondi;
}

// Insère les séparateurs dans « 1234567.89 ».
std::string Grouper(std::string_view texte, const FormatNombres& format) {
    std::string resultat;
    if (!texte.empty() && texte.front() == '-') {
        resultat += '-';
        texte.remove_prefix(1);
    }
    const std::size_t point = texte.find('.');
    const std::string_view entier = texte.substr(0, point);
    for (std::size_t i = 0; i < entier.size(); ++i) {
        if (i > 0 && (entier.size() - i) % 3 == 0) {
            resultat += format.Milliers;
        }
        resultat += entier[i];
    }
    if (point != std::string_view::npos) {
        resultat += format.Decimal;
        resultat += texte.substr(point + 1);
    }
    return resultat;
}

// Mise à l'échelle : octets, puis Ko, Mo, Go tant que la valeur dépasse 1024.
struct Echelle {
    double Valeur;
    const char* Unite;
};

Echelle MettreALEchelle(double valeur) {
    static constexpr std::array<const char*, 4> Unites = {"octets", "Ko", "Mo", "Go"};
    std::size_t u = 0;
    while (u + 1 < Unites.size() && valeur > 1024.0) {
        valeur /= 1024.0;
        ++u;
    }
    return {valeur, Unites[u]};
}
} // namespace

std::string NombreDeuxDecimales(double valeur, const FormatNombres& format) {
    std::array<char, 64> tampon{};
    return Grouper(Ecrire(tampon, ArrondiSignificatif(valeur, 7), std::chars_format::fixed, 2), format);
}

std::string NombreEntier(double valeur, const FormatNombres& format) {
    std::array<char, 64> tampon{};
    return Grouper(Ecrire(tampon, ArrondiSignificatif(std::round(valeur), 12), std::chars_format::fixed, 0),
                   format);
}

std::string ChaineTaille(std::int64_t taille, const FormatNombres& format) {
    TraceProcedure trace("ChaineTaille");
    if (taille <= 1024) {
        return {};
    }
    const Echelle e = MettreALEchelle(static_cast<double>(taille));
    return " (" + NombreDeuxDecimales(e.Valeur, format) + " " + e.Unite + ")";
}

std::string ChaineEspaceDisque(std::uint8_t lecteur, std::int64_t libre, std::int64_t taille,
                               const FormatNombres& format) {
    TraceProcedure trace("ChaineEspaceDisque");
    std::string prefixe;
    if (lecteur != 0) {
        prefixe = std::string(1, LettreDuLecteur(lecteur)) + ": ";
    }
    if (libre > 0) {
        const Echelle e = MettreALEchelle(static_cast<double>(libre));
        return prefixe + NombreDeuxDecimales(e.Valeur, format) + " " + e.Unite;
    }
    if (taille > 0) {
        return prefixe + "Plein";
    }
    return prefixe + "Indisponible";
}

std::uint8_t PourcentageDisque(std::int64_t part, std::int64_t total) {
    TraceProcedure trace("PourcentageDisque");
    if (total <= 0) {
        return 0;
    }
    return PourcentageArrondi(static_cast<double>(part), static_cast<double>(total));
}

std::string ChaineMemoire(std::int64_t libre, ModeAffichageMemoire mode, const FormatNombres& format) {
    TraceProcedure trace("ChaineMemoire");
    switch (mode) {
    case ModeAffichageMemoire::Ko:
        return NombreDeuxDecimales(static_cast<double>(libre) / 1024.0, format) + " Ko libres";
    case ModeAffichageMemoire::Mo:
        return NombreDeuxDecimales(static_cast<double>(libre) / 1048576.0, format) + " Mo libres";
    default:
        return NombreEntier(static_cast<double>(libre), format) +
               (libre > 1 ? " octets libres" : " octet libre");
    }
}

void ConversionAccents(std::string& texte) {
    // Le programme écrit en UTF-8 : les lettres converties le sont aussi.
    std::string resultat;
    resultat.reserve(texte.size() * 2);
    for (char c : texte) {
        switch (static_cast<unsigned char>(c)) {
        case 0x82:
            resultat += "é";
            break;
        case 0x83:
            resultat += "â";
            break;
        case 0x85:
            resultat += "à";
            break;
        case 0x87:
            resultat += "ç";
            break;
        case 0x88:
            resultat += "ê";
            break;
        case 0x8A:
            resultat += "è";
            break;
        case 0x8B:
            resultat += "ï";
            break;
        case 0x8C:
            resultat += "î";
            break;
        case 0x90:
            resultat += 'E';
            break;
        case 0x93:
            resultat += "ô";
            break;
        case 0x96:
            resultat += "û";
            break;
        case 0x97:
            resultat += "ù";
            break;
        case 0xD4:
            resultat += 'E';
            break;
        default:
            resultat += c;
            break;
        }
    }
    texte = std::move(resultat);
}

} // namespace pulsodex
