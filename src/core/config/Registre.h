#pragma once
// Magasin hiérarchique de textes : une section est un chemin de sous-clés
// séparées par « \ » sous la racine ; la section vide est la racine.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/FichierIni.h"

namespace pulsodex {

// Un fichier des réglages qui n'a pas été lu proprement : ce qui en a été gardé.
struct LectureImparfaite {
    std::string Fichier;
    std::string Copie;      // la copie de son contenu d'origine ; vide si elle n'a pas pu être faite
    std::string CauseCopie; // pourquoi elle n'a pas pu être faite
    std::vector<LigneAbimee> Abimees;
};

class Registre {
public:
    virtual ~Registre() = default;

    // Le texte de la valeur ; rien quand la section ou la valeur manque.
    [[nodiscard]] virtual std::optional<std::string> Lire(std::string_view section,
                                                          std::string_view nom) const = 0;
    // Crée au besoin les sous-clés ; une écriture impossible est perdue sans bruit.
    virtual void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) = 0;
    // Supprime la sous-clé, ses valeurs et ses sous-clés.
    virtual void EffacerSection(std::string_view section) = 0;
    [[nodiscard]] virtual bool SectionExiste(std::string_view section) const = 0;
    // Noms des valeurs directes d'une section.
    [[nodiscard]] virtual std::vector<std::string> NomsValeurs(std::string_view section) const = 0;
    // Écrit sur disque ce qui est en attente ; faux si l'écriture a échoué.
    virtual bool Synchroniser() { return true; }
    // Après un échec : le fichier et la cause, en français (« « chemin » : le
    // disque est plein ») ; vide si rien n'est connu.
    [[nodiscard]] virtual std::string ErreurEcriture() const { return {}; }
    // Après un échec : le fichier a gardé son contenu d'avant.
    [[nodiscard]] virtual bool FichierIntact() const { return true; }
    // Le fichier n'a pas été lu proprement et l'utilisateur ne le sait pas
    // encore ; nul sinon. Rien n'y est écrit avant qu'il le sache.
    [[nodiscard]] virtual const LectureImparfaite* LectureADire() const { return nullptr; }
    // L'utilisateur est averti : les sauvegardes peuvent réécrire le fichier.
    virtual void LectureDite() {}

    // Opérations de l'enveloppe « INI » du registre.
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view nom,
                                         std::string_view defaut) const;
    void WriteString(std::string_view section, std::string_view nom, std::string_view texte) {
        Ecrire(section, nom, texte);
    }
    // Un texte qui n'est pas un entier décimal valide donne la valeur par défaut.
    [[nodiscard]] std::int32_t ReadInteger(std::string_view section, std::string_view nom,
                                           std::int32_t defaut) const;
    // Comme ReadInteger, bornes comprises ; hors bornes : la valeur par défaut.
    [[nodiscard]] std::int64_t ReadBorne(std::string_view section, std::string_view nom, std::int64_t defaut,
                                         std::int64_t minimum, std::int64_t maximum) const;
    void WriteInteger(std::string_view section, std::string_view nom, std::int64_t n);
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view nom, bool defaut) const;
    void WriteBool(std::string_view section, std::string_view nom, bool b);
    void EraseSection(std::string_view section) { EffacerSection(section); }
};

// Joint deux chemins de section par « \ ».
std::string Sous(std::string_view section, std::string_view sousCle);

} // namespace pulsodex
