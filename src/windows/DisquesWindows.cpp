#include "windows/DisquesWindows.h"

#include <windows.h>
#include <winnetwk.h>

#include <array>

#include "core/probes/GenresDisques.h"
#include "windows/Utf16.h"

namespace pulsodex {

namespace {

constexpr std::uint32_t NombreLettres = 26;

std::string Racine(char lettre) {
    return {lettre, ':', '\\'};
}

UINT TypeLecteur(const std::string& point) {
    return ::GetDriveTypeW(Large(point).c_str());
}

} // namespace

CarteLecteurs LecteursDuSysteme() {
    CarteLecteurs carte;
    const DWORD lettres = ::GetLogicalDrives();
    for (std::uint32_t i = 0; i < NombreLettres; ++i) {
        if ((lettres & (1U << i)) != 0) {
            const char lettre = static_cast<char>('A' + i);
            carte.Fixer(lettre, Racine(lettre));
        }
    }
    return carte;
}

const TableMontages& MontagesWindows::Table() {
    const DWORD lettres = ::GetLogicalDrives();
    if (m_lue && lettres == m_lettres) {
        return m_table;
    }
    m_lue = true;
    m_lettres = lettres;
    m_table.Montes.clear();
    for (std::uint32_t i = 0; i < NombreLettres; ++i) {
        if ((lettres & (1U << i)) != 0) {
            const char lettre = static_cast<char>('A' + i);
            m_table.Montes.push_back({"", "\\", Racine(lettre), "", NomDistant(lettre)});
        }
    }
    ++m_table.Version;
    return m_table;
}

std::string NomDistant(char lettre) {
    const std::wstring local{static_cast<wchar_t>(lettre), L':'};
    std::array<wchar_t, MAX_PATH> distant{};
    DWORD taille = distant.size();
    if (::WNetGetConnectionW(local.c_str(), distant.data(), &taille) != NO_ERROR) {
        return {};
    }
    return Etroit(distant.data());
}

std::optional<PeripheriqueBloc> BlocsWindows::Chercher(const Montage& m) const {
    const UINT type = TypeLecteur(m.Point);
    if (type != DRIVE_FIXED && type != DRIVE_REMOVABLE && type != DRIVE_CDROM) {
        return std::nullopt;
    }
    return PeripheriqueBloc{m.Point.substr(0, 2), type == DRIVE_REMOVABLE};
}

std::string BlocsWindows::Genre(const Montage& m, const std::optional<PeripheriqueBloc>& /*bloc*/) const {
    const UINT type = TypeLecteur(m.Point);
    return GenreTypeLecteur(type, type == DRIVE_REMOTE && !m.Point.empty() ? NomDistant(m.Point[0]) : "");
}

ReponseSonde SondeEspaceWindows::Interroger(const std::string& chemin) {
    ULARGE_INTEGER libreAppelant{};
    ULARGE_INTEGER taille{};
    ULARGE_INTEGER libre{};
    if (::GetDiskFreeSpaceExW(Large(chemin).c_str(), &libreAppelant, &taille, &libre) == 0) {
        const DWORD erreur = ::GetLastError();
        const bool absent =
            erreur == ERROR_PATH_NOT_FOUND || erreur == ERROR_FILE_NOT_FOUND || erreur == ERROR_INVALID_DRIVE;
        return {absent ? EtatSonde::Absent : EtatSonde::Echec, -1, -1};
    }
    return {EtatSonde::Ok, static_cast<std::int64_t>(taille.QuadPart),
            static_cast<std::int64_t>(libre.QuadPart)};
}

std::uint32_t DeconnexionWindows::WNetCancelConnection2A(const CarteLecteurs& /*carte*/,
                                                         std::string_view nomLocal) {
    // Sans forcer : un lecteur aux fichiers ouverts répond 2401. Sans aucun
    // réseau (1222), aucun lecteur n'est connecté : 2250.
    const DWORD code = ::WNetCancelConnection2W(Large(nomLocal).c_str(), 0, FALSE);
    return code == ERROR_NO_NETWORK ? ERROR_NOT_CONNECTED : code;
}

} // namespace pulsodex
