#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "adaptateurs/RegistreQSettings.h"

namespace pulsodex {
namespace {

TEST(RegistreQSettings, SectionsImbriqueesEtTextesIntacts) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Pulsodex.conf"));
    {
        RegistreQSettings reg(fichier);
        reg.WriteString("", "Version", "1.0 Béta 2");
        reg.WriteString("1280x1024\\Fonte", "Nom", "DejaVu Sans");
        reg.WriteString("Evenement\\0", "Paramètres", "-a \"x, y\" @z");
        reg.WriteString("Evenement\\0", "Message", "Bonjour, le monde");
        reg.WriteString("Evenement\\1", "Nom", "b");
        EXPECT_TRUE(reg.Synchroniser());
    }
    RegistreQSettings reg(fichier);
    EXPECT_EQ(reg.Lire("", "Version"), "1.0 Béta 2");
    EXPECT_EQ(reg.Lire("1280x1024\\Fonte", "Nom"), "DejaVu Sans");
    EXPECT_EQ(reg.Lire("Evenement\\0", "Paramètres"), "-a \"x, y\" @z");
    EXPECT_EQ(reg.Lire("Evenement\\0", "Message"), "Bonjour, le monde");
    EXPECT_FALSE(reg.Lire("Evenement\\0", "Nom").has_value());
    EXPECT_TRUE(reg.SectionExiste("Evenement\\1"));
    EXPECT_TRUE(reg.SectionExiste("Evenement"));
    reg.EraseSection("Evenement\\0");
    EXPECT_FALSE(reg.SectionExiste("Evenement\\0"));
    EXPECT_TRUE(reg.SectionExiste("Evenement\\1"));
    EXPECT_EQ(reg.NomsValeurs("1280x1024\\Fonte"), std::vector<std::string>{"Nom"});
}

TEST(RegistreQSettings, ListeEcriteALaMainRelueEnTexte) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Pulsodex.conf"));
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Evenement]\n0\\Message=un, deux\n");
    f.close();
    RegistreQSettings reg(fichier);
    EXPECT_EQ(reg.Lire("Evenement\\0", "Message"), "un, deux");
}

} // namespace
} // namespace pulsodex
