#include "linux/LocaleLinux.h"

#include <langinfo.h>

#include <array>
#include <cstring>
#include <ctime>

namespace pulsodex {

namespace {
bool EstLocaleReelle(locale_t locale) {
    const char* codage = nl_langinfo_l(CODESET, locale);
    if (codage == nullptr || (std::strcmp(codage, "UTF-8") != 0 && std::strcmp(codage, "utf8") != 0)) {
        return false;
    }
    // Les noms de la locale C sont anglais et ses formats américains.
    const char* jour = nl_langinfo_l(DAY_2, locale);
    const char* format = nl_langinfo_l(D_FMT, locale);
    return !(jour != nullptr && std::strcmp(jour, "Monday") == 0 && format != nullptr &&
             std::strcmp(format, "%m/%d/%y") == 0);
}

std::string Info(locale_t locale, nl_item item) {
    const char* texte = nl_langinfo_l(item, locale);
    return texte != nullptr ? std::string(texte) : std::string();
}
} // namespace

std::string SeparateurFormat(std::string_view format, std::string_view repli) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%') {
            ++i;
            // Drapeaux et largeur éventuels (%-d, %Ey...).
            while (i < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0' ||
                                         format[i] == 'E' || format[i] == 'O')) {
                ++i;
            }
            continue;
        }
        return std::string(1, format[i]);
    }
    return std::string(repli);
}

LocaleLinux::LocaleLinux(const char* nom) {
    locale_t locale = newlocale(LC_ALL_MASK, nom, nullptr);
    if (locale != nullptr && EstLocaleReelle(locale)) {
        m_locale = locale;
    } else if (locale != nullptr) {
        freelocale(locale);
    }
    if (m_locale == nullptr) {
        m_separateurDate = m_francaise.SeparateurDate();
        m_separateurHeure = m_francaise.SeparateurHeure();
        m_separateurDecimal = m_francaise.SeparateurDecimal();
        m_separateurMilliers = m_francaise.SeparateurMilliers();
        return;
    }
    m_separateurDate = SeparateurFormat(Info(m_locale, D_FMT), "/");
    m_separateurHeure = SeparateurFormat(Info(m_locale, T_FMT), ":");
    m_separateurDecimal = Info(m_locale, RADIXCHAR);
    if (m_separateurDecimal.empty()) {
        m_separateurDecimal = ",";
    }
    m_separateurMilliers = Info(m_locale, THOUSEP);
    if (m_separateurMilliers.empty()) {
        m_separateurMilliers = m_francaise.SeparateurMilliers();
    }
}

LocaleLinux::~LocaleLinux() {
    if (m_locale != nullptr) {
        freelocale(m_locale);
    }
}

std::string LocaleLinux::NomJour(int jour) const {
    if (m_locale == nullptr || jour < 1 || jour > 7) {
        return m_francaise.NomJour(jour);
    }
    return Info(m_locale, static_cast<nl_item>(DAY_1 + jour - 1));
}

std::string LocaleLinux::NomMois(int mois) const {
    if (m_locale == nullptr || mois < 1 || mois > 12) {
        return m_francaise.NomMois(mois);
    }
    return Info(m_locale, static_cast<nl_item>(MON_1 + mois - 1));
}

std::string LocaleLinux::NomJourCourt(int jour) const {
    if (m_locale == nullptr || jour < 1 || jour > 7) {
        return m_francaise.NomJourCourt(jour);
    }
    return Info(m_locale, static_cast<nl_item>(ABDAY_1 + jour - 1));
}

std::string LocaleLinux::NomMoisCourt(int mois) const {
    if (m_locale == nullptr || mois < 1 || mois > 12) {
        return m_francaise.NomMoisCourt(mois);
    }
    return Info(m_locale, static_cast<nl_item>(ABMON_1 + mois - 1));
}

std::string LocaleLinux::DateHeureCourte(const DateHeure& m) const {
    if (m_locale == nullptr) {
        return m_francaise.DateHeureCourte(m);
    }
    std::tm t{};
    t.tm_year = m.Annee - 1900;
    t.tm_mon = m.Mois - 1;
    t.tm_mday = m.Jour;
    t.tm_wday = m.JourSemaine - 1;
    t.tm_hour = m.Heure;
    t.tm_min = m.Minute;
    t.tm_sec = m.Seconde;
    // Année sur quatre chiffres : le %y de certaines locales est remplacé.
    std::string format = Info(m_locale, D_FMT);
    if (auto pos = format.find("%y"); pos != std::string::npos) {
        format.replace(pos, 2, "%Y");
    }
    format += " " + Info(m_locale, T_FMT);
    std::array<char, 128> tampon{};
    const std::size_t n = strftime_l(tampon.data(), tampon.size(), format.c_str(), &t, m_locale);
    return std::string(tampon.data(), n);
}

} // namespace pulsodex
