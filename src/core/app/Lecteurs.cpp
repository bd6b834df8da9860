#include "core/app/Lecteurs.h"

#include "core/commun/LettresLecteurs.h"
namespace pulsodex {

std::vector<std::uint8_t> LecteursListes(std::string_view liste, bool total) {
    std::vector<std::uint8_t> lecteurs;
    int emplacement = total ? 2 : 1;
    for (char c : liste) {
        if (emplacement > DernierEmplacement) {
            break;
        }
        if (const std::uint8_t lecteur = NumeroDuLecteur(c); lecteur != 0) {
            lecteurs.push_back(lecteur);
            ++emplacement;
        }
    }
    return lecteurs;
}

} // namespace pulsodex
