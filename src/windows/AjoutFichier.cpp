#include "core/plateforme/AjoutFichier.h"

#include <windows.h>

#include "windows/Utf16.h"

namespace pulsodex {

bool AjouterAuFichier(const std::string& chemin, std::string_view texte) noexcept {
    try {
        // FILE_APPEND_DATA seul : chaque écriture va à la fin, d'un bloc, même
        // quand un autre programme écrit dans le même journal.
        HANDLE fichier =
            ::CreateFileW(Large(chemin).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (fichier == INVALID_HANDLE_VALUE) {
            return false;
        }
        DWORD ecrits = 0;
        const bool ok =
            ::WriteFile(fichier, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr) != 0 &&
            ecrits == texte.size();
        return ::CloseHandle(fichier) != 0 && ok;
    } catch (...) {
        return false;
    }
}

} // namespace pulsodex
