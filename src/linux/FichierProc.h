#pragma once
// Un fichier de /proc gardé ouvert et relu depuis le début dans un tampon qui
// ne fait que grandir : pas d'allocation en régime établi.
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

class FichierProc {
public:
    explicit FichierProc(std::string chemin, std::size_t tailleInitiale = 4096);
    ~FichierProc();
    FichierProc(const FichierProc&) = delete;
    FichierProc& operator=(const FichierProc&) = delete;

    // Le contenu entier (ou les « limite » premiers octets si limite > 0) ;
    // vide si le fichier ne se lit pas.
    std::string_view Relire(std::size_t limite = 0);
    // Pour les fichiers qui signalent leurs changements (mountinfo) : vrai quand
    // le noyau dit que le contenu a changé depuis la dernière lecture, et tant
    // que le fichier n'a pas été ouvert.
    bool AChange();

private:
    std::string m_chemin;
    int m_fd = -1;
    std::vector<char> m_tampon;
};

} // namespace pulsodex
