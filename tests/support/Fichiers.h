#pragma once
// Fichiers des essais : lecture entière, données de tests/data, dossier
// temporaire qui se nettoie seul.
#include <filesystem>
#include <string>
#include <string_view>

namespace pulsodex::test {

// Tout le contenu d'un fichier, octet pour octet ; vide s'il ne s'ouvre pas
// (la lecture du programme, commun/Fichiers.h, avec un chemin des essais).
std::string LireFichier(const std::filesystem::path& chemin);

// Chemin d'un fichier de tests/data, et son contenu.
std::string CheminDonnee(std::string_view relatif);
std::string LireDonnee(std::string_view relatif);

// Un dossier neuf et unique sous le dossier temporaire du système. À la
// destruction, même après une assertion fatale, le propriétaire retrouve le
// droit d'écrire partout dedans et le dossier est supprimé avec son contenu.
class DossierTemporaire {
public:
    explicit DossierTemporaire(std::string_view prefixe = "pulsodex");
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    [[nodiscard]] const std::filesystem::path& Chemin() const { return m_chemin; }
    std::filesystem::path operator/(const std::filesystem::path& relatif) const { return m_chemin / relatif; }

private:
    std::filesystem::path m_chemin;
};

} // namespace pulsodex::test
