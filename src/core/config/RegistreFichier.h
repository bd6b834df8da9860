#pragma once
// Le registre tenu dans le fichier des réglages (forme INI). Le fichier est
// lu une fois, à la création ; il n'est écrit que par Synchroniser, d'un bloc
// et sous verrou, après avoir été relu : seuls les changements de ce programme
// y sont reportés, ceux d'un autre programme restent. Un contenu qui ne se lit
// pas proprement est d'abord gardé tel quel dans une copie datée ; le fichier
// n'est réécrit (sans ses lignes abîmées) qu'une fois l'utilisateur averti.
#include <map>
#include <optional>

#include "core/config/FichierIni.h"
#include "core/config/Registre.h"
#include "core/plateforme/StockageReglages.h"

namespace pulsodex {

class RegistreFichier final : public Registre {
public:
    RegistreFichier(StockageReglages& stockage, const Horloge& horloge);

    [[nodiscard]] std::optional<std::string> Lire(std::string_view section,
                                                  std::string_view nom) const override;
    // Une valeur déjà tenue avec ce texte n'est pas un changement.
    void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) override;
    void EffacerSection(std::string_view section) override;
    [[nodiscard]] bool SectionExiste(std::string_view section) const override;
    [[nodiscard]] std::vector<std::string> NomsValeurs(std::string_view section) const override;

    // Vrai quand le fichier tient tous les changements (relu après écriture).
    // Un échec les garde en attente pour la fois suivante.
    bool Synchroniser() override;
    [[nodiscard]] std::string ErreurEcriture() const override { return m_erreur; }
    [[nodiscard]] bool FichierIntact() const override { return m_intact; }
    [[nodiscard]] const LectureImparfaite* LectureADire() const override;
    void LectureDite() override { m_avisDit = true; }

private:
    // Prend ce contenu pour le dernier connu du fichier ; garde une copie d'un contenu abîmé.
    void Connaitre(std::optional<std::string> octets);
    bool EcrireSousVerrou();
    [[nodiscard]] ValeursIni::const_iterator DebutSection(const std::string& section) const;

    StockageReglages& m_stockage;
    const Horloge& m_horloge;
    ValeursIni m_valeurs;                                                         // ce que voit le programme
    std::map<std::string, std::optional<std::string>, std::less<>> m_changements; // rien : effacée
    std::optional<std::string> m_octets; // le dernier contenu connu du fichier
    ValeursIni m_lues;                   // ce qui s'en lit proprement
    bool m_abime = false;                // ce contenu n'est pas propre : à réécrire
    std::optional<LectureImparfaite> m_avis;
    bool m_avisDit = true;
    std::string m_erreur;
    bool m_intact = true;
};

} // namespace pulsodex
