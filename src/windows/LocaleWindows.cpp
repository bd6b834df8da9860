#include "windows/LocaleWindows.h"

#include <windows.h>

#include <array>

#include "windows/Utf16.h"

namespace pulsodex {

namespace {

// Le premier texte non vide.
std::string Ou(std::string texte, std::string repli) {
    return texte.empty() ? repli : texte;
}

// jour : 1 dimanche .. 7 samedi ; Windows compte du lundi (1) au dimanche (7).
unsigned long Jour(unsigned long lundi, int jour) {
    return lundi + static_cast<unsigned long>(jour == 1 ? 6 : jour - 2);
}

} // namespace

LocaleWindows::LocaleWindows(std::wstring nom) : m_nom(std::move(nom)) {}

const wchar_t* LocaleWindows::Nom() const {
    return m_nom.empty() ? LOCALE_NAME_USER_DEFAULT : m_nom.c_str();
}

std::string LocaleWindows::Info(unsigned long type) const {
    std::array<wchar_t, 128> tampon{};
    const int n = ::GetLocaleInfoEx(Nom(), type, tampon.data(), static_cast<int>(tampon.size()));
    return n > 1 ? Etroit(std::wstring_view(tampon.data(), static_cast<std::size_t>(n - 1))) : std::string();
}

std::string LocaleWindows::NomJour(int jour) const {
    return Ou(Info(Jour(LOCALE_SDAYNAME1, jour)), m_francaise.NomJour(jour));
}

std::string LocaleWindows::NomMois(int mois) const {
    return Ou(Info(LOCALE_SMONTHNAME1 + static_cast<unsigned long>(mois - 1)), m_francaise.NomMois(mois));
}

std::string LocaleWindows::NomJourCourt(int jour) const {
    return Ou(Info(Jour(LOCALE_SABBREVDAYNAME1, jour)), m_francaise.NomJourCourt(jour));
}

std::string LocaleWindows::NomMoisCourt(int mois) const {
    return Ou(Info(LOCALE_SABBREVMONTHNAME1 + static_cast<unsigned long>(mois - 1)),
              m_francaise.NomMoisCourt(mois));
}

std::string LocaleWindows::SeparateurDate() const {
    return Ou(Info(LOCALE_SDATE), m_francaise.SeparateurDate());
}

std::string LocaleWindows::SeparateurHeure() const {
    return Ou(Info(LOCALE_STIME), m_francaise.SeparateurHeure());
}

std::string LocaleWindows::SeparateurDecimal() const {
    return Ou(Info(LOCALE_SDECIMAL), m_francaise.SeparateurDecimal());
}

std::string LocaleWindows::SeparateurMilliers() const {
    return Ou(Info(LOCALE_STHOUSAND), m_francaise.SeparateurMilliers());
}

std::string LocaleWindows::DateHeureCourte(const DateHeure& m) const {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(m.Annee);
    t.wMonth = static_cast<WORD>(m.Mois);
    t.wDay = static_cast<WORD>(m.Jour);
    t.wDayOfWeek = static_cast<WORD>(m.JourSemaine - 1);
    t.wHour = static_cast<WORD>(m.Heure);
    t.wMinute = static_cast<WORD>(m.Minute);
    t.wSecond = static_cast<WORD>(m.Seconde);
    std::array<wchar_t, 128> date{};
    std::array<wchar_t, 128> heure{};
    const int d = ::GetDateFormatEx(Nom(), DATE_SHORTDATE, &t, nullptr, date.data(),
                                    static_cast<int>(date.size()), nullptr);
    const int h = ::GetTimeFormatEx(Nom(), 0, &t, nullptr, heure.data(), static_cast<int>(heure.size()));
    if (d <= 1 || h <= 1) {
        return m_francaise.DateHeureCourte(m);
    }
    return Etroit(date.data()) + " " + Etroit(heure.data());
}

} // namespace pulsodex
