#pragma once
// Mesure d'un texte dans une police : fournie par l'interface graphique.
#include <string_view>

namespace pulsodex {

struct Police;

class MesureurTexte {
public:
    virtual ~MesureurTexte() = default;
    [[nodiscard]] virtual int HauteurTexte(const Police& police, std::string_view texte) const = 0;
};

} // namespace pulsodex
