#pragma once
// Le registre sur un fichier INI tenu par QSettings : la section « A\B » est
// le groupe « A/B ». Le fichier est réécrit d'un bloc (fichier temporaire puis
// renommage, sous le verrou « .lock » de QSettings, qui relit le fichier et n'y
// porte que les valeurs changées) : un arrêt brutal laisse l'ancien ou le
// nouveau contenu, et deux programmes qui écrivent des valeurs différentes ne
// perdent rien l'un de l'autre.
#include <QSettings>

#include <memory>
#include <string>

#include "config/Registre.h"

namespace pulsodex {

class RegistreQSettings final : public Registre {
public:
    explicit RegistreQSettings(const QString& fichier);
    ~RegistreQSettings() override;

    [[nodiscard]] std::optional<std::string> Lire(std::string_view section,
                                                  std::string_view nom) const override;
    // Une valeur déjà tenue avec ce texte n'est pas réécrite : la sauvegarde de
    // tous les réglages ne reporte que ce que ce programme a changé.
    void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) override;
    void EffacerSection(std::string_view section) override;
    [[nodiscard]] bool SectionExiste(std::string_view section) const override;
    [[nodiscard]] std::vector<std::string> NomsValeurs(std::string_view section) const override;
    // Vrai quand les changements en attente sont sur disque ; sinon ils restent
    // en attente pour la fois suivante et le fichier garde son contenu.
    bool Synchroniser() override;
    [[nodiscard]] std::string ErreurEcriture() const override { return m_erreur; }

private:
    QString m_fichier;
    std::unique_ptr<QSettings> m_reglages;
    bool m_enAttente = false;
    std::string m_erreur;
};

} // namespace pulsodex
