#pragma once
// Boîtes de message Qt, en texte brut, avec des boutons en français.
#include "interfaces/Presentateur.h"

class QWidget;

namespace pulsodex {

class PresentateurQt final : public Presentateur {
public:
    // Sans interaction (capture d'image), chaque boîte prend sa réponse la
    // plus prudente sans s'afficher ; son texte va sur la sortie d'erreur.
    explicit PresentateurQt(bool interactif = true) : m_interactif(interactif) {}

    ReponseBoite Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                       BoutonsBoite boutons) override;
    void Message(std::string_view texte, std::string_view legende, std::uint16_t son) override;
    void Son(std::uint16_t son) override;

    static ReponseBoite ReponsePrudente(BoutonsBoite boutons);

private:
    bool m_interactif;
};

} // namespace pulsodex
