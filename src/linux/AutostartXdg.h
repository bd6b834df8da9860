#pragma once
// Lancement à l'ouverture de session par les fichiers « autostart » XDG :
// <nom>.desktop dans le dossier de l'utilisateur et dans celui de la machine.
// Le fichier de l'utilisateur masque celui de la machine ; pour couper une
// entrée de la machine qu'il ne peut effacer, l'utilisateur en écrit une
// cachée (Hidden=true) à son nom.
#include <filesystem>

#include "core/plateforme/ListeDemarrage.h"

namespace pulsodex {

class AutostartXdg final : public ListeDemarrage {
public:
    AutostartXdg(std::filesystem::path dossierUtilisateur, std::filesystem::path dossierMachine);
    // Les dossiers habituels : $XDG_CONFIG_HOME/autostart et /etc/xdg/autostart.
    static AutostartXdg DuSysteme();

    [[nodiscard]] std::optional<std::string> Lire(PorteeDemarrage portee,
                                                  std::string_view nom) const override;
    bool Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) override;
    bool Effacer(PorteeDemarrage portee, std::string_view nom) override;

private:
    [[nodiscard]] std::filesystem::path Fichier(PorteeDemarrage portee, std::string_view nom) const;
    [[nodiscard]] bool Existe(PorteeDemarrage portee, std::string_view nom) const;
    bool EcrireFichier(PorteeDemarrage portee, std::string_view nom, const std::string& contenu);
    std::filesystem::path m_utilisateur;
    std::filesystem::path m_machine;
};

// Ligne « Exec= » d'un programme : chemin entre guillemets, échappé selon les
// règles des fichiers .desktop.
std::string LigneExec(std::string_view chemin);
// La valeur de la clé Exec du groupe [Desktop Entry] ; rien s'il n'y en a pas.
// Une entrée cachée ou désactivée vaut un texte vide.
std::optional<std::string> LireExec(std::string_view contenu);

} // namespace pulsodex
