#include "RegistreQSettings.h"

#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

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

// Identité du fichier sur disque : chaque écriture réussie le remplace par un
// nouveau fichier (renommage).
struct Identite {
    bool Existe = false;
    ino_t Inode = 0;
    timespec Modification{};
    off_t Taille = 0;

    bool operator==(const Identite& a) const {
        return Existe == a.Existe && Inode == a.Inode && Taille == a.Taille &&
               Modification.tv_sec == a.Modification.tv_sec && Modification.tv_nsec == a.Modification.tv_nsec;
    }
};

Identite IdentiteDe(const QString& fichier) {
    struct stat etat {};
    if (::stat(QFile::encodeName(fichier).constData(), &etat) != 0) {
        return {};
    }
    return {true, etat.st_ino, etat.st_mtim, etat.st_size};
}

// La cause la plus probable d'un échec d'écriture, en français.
std::string Cause(const QString& fichier) {
    const QFileInfo info(fichier);
    const QByteArray dossier = QFile::encodeName(info.absolutePath());
    const QByteArray chemin = QFile::encodeName(info.absoluteFilePath());
    const std::string lieu = "« " + S(info.absoluteFilePath()) + " »";
    if (::access(dossier.constData(), W_OK) != 0) {
        return errno == EROFS ? lieu + " : le système de fichiers est en lecture seule"
                              : lieu + " : le dossier n'est pas inscriptible";
    }
    if (info.exists() && ::access(chemin.constData(), W_OK) != 0) {
        return errno == EROFS ? lieu + " : le système de fichiers est en lecture seule"
                              : lieu + " : le fichier est en lecture seule";
    }
    struct statvfs disque {};
    if (::statvfs(dossier.constData(), &disque) == 0 &&
        static_cast<unsigned long long>(disque.f_bavail) * disque.f_frsize <
            2ULL * static_cast<unsigned long long>(info.size()) + 65536ULL) {
        return lieu + " : le disque est plein";
    }
    return lieu + " : erreur d'écriture";
}
} // namespace

RegistreQSettings::RegistreQSettings(const QString& fichier)
    : m_fichier(fichier), m_reglages(std::make_unique<QSettings>(fichier, QSettings::IniFormat)) {}

RegistreQSettings::~RegistreQSettings() = default;

std::optional<std::string> RegistreQSettings::Lire(std::string_view section, std::string_view nom) const {
    const QString cle = Cle(section, nom);
    if (!m_reglages->contains(cle)) {
        return std::nullopt;
    }
    const QVariant valeur = m_reglages->value(cle);
    // Une valeur INI écrite à la main avec des virgules est lue en liste.
    if (valeur.metaType().id() == QMetaType::QStringList) {
        return S(valeur.toStringList().join(QStringLiteral(", ")));
    }
    return S(valeur.toString());
}

void RegistreQSettings::Ecrire(std::string_view section, std::string_view nom, std::string_view texte) {
    const QString cle = Cle(section, nom);
    const QVariant actuelle = m_reglages->value(cle);
    if (actuelle.metaType().id() == QMetaType::QString && actuelle.toString() == Q(texte)) {
        return;
    }
    m_reglages->setValue(cle, Q(texte));
    m_enAttente = true;
}

void RegistreQSettings::EffacerSection(std::string_view section) {
    const QString groupe = Groupe(section);
    if (m_reglages->contains(groupe) || SectionExiste(section)) {
        m_reglages->remove(groupe);
        m_enAttente = true;
    }
}

bool RegistreQSettings::SectionExiste(std::string_view section) const {
    m_reglages->beginGroup(Groupe(section));
    const bool existe = !m_reglages->childKeys().isEmpty() || !m_reglages->childGroups().isEmpty();
    m_reglages->endGroup();
    return existe;
}

std::vector<std::string> RegistreQSettings::NomsValeurs(std::string_view section) const {
    m_reglages->beginGroup(Groupe(section));
    std::vector<std::string> noms;
    for (const QString& nom : m_reglages->childKeys()) {
        noms.push_back(S(nom));
    }
    m_reglages->endGroup();
    return noms;
}

bool RegistreQSettings::Synchroniser() {
    if (m_reglages->status() != QSettings::NoError) {
        // L'état d'erreur de QSettings ne s'efface jamais : un nouvel objet sur
        // le même fichier repart sans erreur et garde les changements en attente.
        auto neuf = std::make_unique<QSettings>(m_fichier, QSettings::IniFormat);
        m_reglages = std::move(neuf);
    }
    const Identite avant = IdentiteDe(m_fichier);
    m_reglages->sync();
    // Une erreur de format (fichier retouché à la main) n'empêche pas d'écrire ;
    // des changements en attente doivent avoir remplacé le fichier.
    bool reussi = m_reglages->status() != QSettings::AccessError;
    if (reussi && m_enAttente) {
        const Identite apres = IdentiteDe(m_fichier);
        reussi = apres.Existe && !(apres == avant);
    }
    if (reussi) {
        m_enAttente = false;
        m_erreur.clear();
    } else {
        m_erreur = Cause(m_fichier);
    }
    return reussi;
}

} // namespace pulsodex
