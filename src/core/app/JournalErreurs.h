#pragma once
// Journal « ERREURS.LOG » : une entrée de sept lignes par défaillance.
#include <string>
#include <string_view>

namespace pulsodex {

class Horloge;
class LocaleUtilisateur;
class InfosSysteme;

inline constexpr std::string_view NomJournalErreurs = "ERREURS.LOG";
inline constexpr std::string_view TraceInconnue = "<Inconnu>";

struct EntreeJournal {
    std::string Module;
    std::string DateHeure;
    std::string Message;
    std::string Systeme;
    std::string Controles;
};

// Les sept lignes, terminées par CR LF.
std::string TexteEntree(const EntreeJournal& entree);

class JournalErreurs {
public:
    JournalErreurs(std::string repertoire, const Horloge& horloge, const LocaleUtilisateur& locale,
                   const InfosSysteme& infos);

    // Ajoute l'entrée de la défaillance sous le nom de la trace courante (mis
    // à « <Inconnu> » s'il est vide). N'échoue jamais : un dossier où l'on ne
    // peut écrire fait perdre l'entrée, rien d'autre. Rend vrai si elle est écrite.
    bool Consigner(std::string_view message) noexcept;
    [[nodiscard]] std::string Chemin() const;

private:
    std::string m_repertoire;
    const Horloge& m_horloge;
    const LocaleUtilisateur& m_locale;
    const InfosSysteme& m_infos;
};

} // namespace pulsodex
