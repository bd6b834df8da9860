#include "windows/LanceurWindows.h"

#include <windows.h>

// Après windows.h, dont il a besoin.
#include <shellapi.h>
// Le nom de la méthode du contrat, pas la macro de shellapi.h.
#undef ShellExecute

#include "windows/Utf16.h"

namespace pulsodex {

int CodeLancement(unsigned long erreur) {
    switch (erreur) {
    case ERROR_FILE_NOT_FOUND:
        return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
        return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED:
        return SE_ERR_ACCESSDENIED;
    case ERROR_NO_ASSOCIATION:
        return SE_ERR_NOASSOC;
    default:
        return 0;
    }
}

int LanceurWindows::ShellExecute(std::string_view verbe, std::string_view fichier,
                                 std::string_view parametres, std::string_view repertoire, ModeFenetre mode) {
    const std::wstring v = Large(verbe);
    const std::wstring f = Large(fichier);
    const std::wstring p = Large(parametres);
    const std::wstring r = Large(repertoire);
    SHELLEXECUTEINFOW infos{};
    infos.cbSize = sizeof infos;
    // Pas de boîte du système : l'échec est dit par le programme.
    infos.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    infos.lpVerb = v.empty() ? nullptr : v.c_str();
    infos.lpFile = f.c_str();
    infos.lpParameters = p.empty() ? nullptr : p.c_str();
    infos.lpDirectory = r.empty() ? nullptr : r.c_str();
    // Les valeurs de ModeFenetre sont celles de SW_HIDE .. SW_SHOWMAXIMIZED.
    infos.nShow = static_cast<int>(mode);
    if (::ShellExecuteExW(&infos) != 0) {
        return LancementReussi;
    }
    const int code = CodeLancement(::GetLastError());
    if (code != 0) {
        return code;
    }
    // Sinon la réponse de l'ancien ShellExecute, quand elle est l'une des quatre.
    const auto rendu = static_cast<int>(reinterpret_cast<INT_PTR>(infos.hInstApp));
    const bool connue =
        rendu == SE_ERR_FNF || rendu == SE_ERR_PNF || rendu == SE_ERR_ACCESSDENIED || rendu == SE_ERR_NOASSOC;
    return connue ? rendu : 0;
}

} // namespace pulsodex
