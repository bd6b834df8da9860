#include "core/app/Lecteurs.h"

namespace pulsodex {

std::vector<std::uint8_t> LecteursListes(std::string_view liste, bool total) {
    std::vector<std::uint8_t> lecteurs;
    int emplacement = total ? 2 : 1;
    for (char c : liste) {
        if (emplacement > DernierEmplacement) {
            break;
        }
        if (c >= 'A' && c <= 'Z') {
            lecteurs.push_back(static_cast<std::uint8_t>(c - 'A' + 1));
            ++emplacement;
        }
    }
    return lecteurs;
}

} // namespace pulsodex
