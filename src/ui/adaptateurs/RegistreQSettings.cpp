#include "RegistreQSettings.h"

#include <QStringList>

#include "Conversions.h"

namespace pulsodex {

namespace {
QString Groupe(std::string_view section) {
    return Q(section).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString Cle(std::string_view section, std::string_view nom) {
    const QString groupe = Groupe(section);
    return groupe.isEmpty() ? Q(nom) : groupe + QLatin1Char('/') + Q(nom);
}
} // namespace

RegistreQSettings::RegistreQSettings(const QString& fichier) : m_reglages(fichier, QSettings::IniFormat) {}

std::optional<std::string> RegistreQSettings::Lire(std::string_view section, std::string_view nom) const {
    const QString cle = Cle(section, nom);
    if (!m_reglages.contains(cle)) {
        return std::nullopt;
    }
    const QVariant valeur = m_reglages.value(cle);
    // Une valeur INI écrite à la main avec des virgules est lue en liste.
    if (valeur.metaType().id() == QMetaType::QStringList) {
        return S(valeur.toStringList().join(QStringLiteral(", ")));
    }
    return S(valeur.toString());
}

void RegistreQSettings::Ecrire(std::string_view section, std::string_view nom, std::string_view texte) {
    m_reglages.setValue(Cle(section, nom), Q(texte));
}

void RegistreQSettings::EffacerSection(std::string_view section) {
    m_reglages.remove(Groupe(section));
}

bool RegistreQSettings::SectionExiste(std::string_view section) const {
    m_reglages.beginGroup(Groupe(section));
    const bool existe = !m_reglages.childKeys().isEmpty() || !m_reglages.childGroups().isEmpty();
    m_reglages.endGroup();
    return existe;
}

std::vector<std::string> RegistreQSettings::NomsValeurs(std::string_view section) const {
    m_reglages.beginGroup(Groupe(section));
    std::vector<std::string> noms;
    for (const QString& nom : m_reglages.childKeys()) {
        noms.push_back(S(nom));
    }
    m_reglages.endGroup();
    return noms;
}

bool RegistreQSettings::Synchroniser() {
    m_reglages.sync();
    return m_reglages.status() == QSettings::NoError;
}

} // namespace pulsodex
