#pragma once
// Le registre sur un fichier INI tenu par QSettings : la section « A\B » est
// le groupe « A/B ».
#include <QSettings>

#include "config/Registre.h"

namespace pulsodex {

class RegistreQSettings final : public Registre {
public:
    explicit RegistreQSettings(const QString& fichier);

    [[nodiscard]] std::optional<std::string> Lire(std::string_view section,
                                                  std::string_view nom) const override;
    void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) override;
    void EffacerSection(std::string_view section) override;
    [[nodiscard]] bool SectionExiste(std::string_view section) const override;
    [[nodiscard]] std::vector<std::string> NomsValeurs(std::string_view section) const override;
    bool Synchroniser() override;

private:
    mutable QSettings m_reglages;
};

} // namespace pulsodex
