#include "core/config/dialog/Legendes.h"

#include "core/commun/Textes.h"
#include "core/config/JoursMois.h"

namespace pulsodex {

namespace {
const char* SuffixeUnite(Unite unite) {
    switch (unite) {
    case Unite::Pourcent:
        return " %";
    case Unite::Octets:
        return " octet(s)";
    case Unite::Ko:
        return " Ko";
    case Unite::Mo:
        return " Mo";
    default:
        return "";
    }
}

const char* DebutEvenement(TypeEvenement type) {
    switch (type) {
    case TypeEvenement::Indefini:
        return "<Indéfini> ";
    case TypeEvenement::Message:
        return "Message ";
    case TypeEvenement::Tache:
        return "Tâche ";
    default:
        return "";
    }
}
} // namespace

std::string Compile_Chaine_Ressource(Ressource ressource, std::string_view disque, std::int32_t seuil,
                                     Unite unite) {
    std::string prefixe;
    switch (ressource) {
    case Ressource::MemoireTotale:
        prefixe = "Mémoire totale < ";
        break;
    case Ressource::MemoirePhysique:
        prefixe = "Mémoire physique < ";
        break;
    case Ressource::Disque:
        prefixe = "Disque " + std::string(disque) + " < ";
        break;
    case Ressource::ChargeMemoire:
        prefixe = "Utilisation mémoire > ";
        break;
    default:
        break;
    }
    return prefixe + std::to_string(seuil) + SuffixeUnite(unite);
}

std::string Compile_Chaine_Evenement(TypeEvenement type, int jour, int mois, std::string_view heure,
                                     std::string_view minute, const LocaleUtilisateur& locale) {
    std::string texte = DebutEvenement(type);
    const std::string d =
        jour >= 0 && jour <= JourDuMoisMax ? TexteJour(locale, static_cast<std::uint8_t>(jour)) : "";
    const std::string m = mois >= 0 && mois <= 12 ? TexteMois(locale, static_cast<std::uint8_t>(mois)) : "";
    // « d' » devant avril et août, « de » ailleurs.
    const std::string de = mois == 4 || mois == 8 ? "d'" : "de ";
    if (jour == JourTous) {
        texte += mois == MoisTous ? "tous les jours" : mois > 0 ? "au mois " + de + m : "";
    } else if (jour >= 1 && jour <= JourWeekEnd) {
        if (mois == MoisTous) {
            texte += (jour == JourSemaine ? "la " : "le ") + d;
        } else if (mois > 0) {
            texte += "les " + d + "s " + de + m;
        }
    } else if (jour > JourWeekEnd) {
        if (mois == MoisTous) {
            texte += "le " + d;
        } else if (mois > 0) {
            texte += "le " + std::to_string(jour - DecalageJourDuMois) + " " + m;
        }
    }
    if (!heure.empty()) {
        texte += " à " + std::string(heure);
    } else if (!minute.empty()) {
        const auto n = LireEntierDecimal(minute).value_or(0);
        if (n == 0) {
            texte += " toutes les heures";
        } else {
            texte += " " + std::to_string(n) + " minute" + (n > 1 ? "s" : "") + " après l'heure";
        }
    }
    return texte;
}

} // namespace pulsodex
