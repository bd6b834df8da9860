#include "ui/adaptateurs/SystemeQt.h"

#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>

#include <algorithm>

#include "core/plateforme/Plateforme.h"
#include "ui/adaptateurs/Conversions.h"

namespace pulsodex {

bool GreffonAffichagePresent(const char* nom) {
    const QDir greffons(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    // « libqwayland-egl.so » sous Linux, « qwindows.dll » sous Windows.
    const QString motif = QStringLiteral("q%1*").arg(QLatin1String(nom));
    return !greffons.entryList({QStringLiteral("lib") + motif, motif}, QDir::Files).isEmpty();
}

TailleEcran EcranQt::Taille() const {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr) {
        return {1024, 768};
    }
    return {ecran->size().width(), ecran->size().height()};
}

std::vector<Rectangle> EcranQt::ZonesTravail() const {
    const QScreen* principal = QGuiApplication::primaryScreen();
    if (principal == nullptr) {
        return {{0, 0, 1024, 768}};
    }
    std::vector<Rectangle> zones;
    auto ajouter = [&zones](const QScreen* ecran) {
        const QRect zone = ecran->availableGeometry();
        zones.push_back({zone.x(), zone.y(), zone.width(), zone.height()});
    };
    ajouter(principal);
    for (const QScreen* ecran : QGuiApplication::screens()) {
        if (ecran != principal) {
            ajouter(ecran);
        }
    }
    return zones;
}

int MesureurTexteQt::HauteurTexte(const Police& police, std::string_view texte) const {
    const QFontMetrics mesure(PoliceQt(police));
    return std::max(mesure.height(), mesure.boundingRect(Q(texte)).height());
}

std::string InfosSystemeQt::WinVer() const {
    return m_plateforme.WinVer();
}

std::string InfosSystemeQt::GetCommonControlsVersion() const {
    return qVersion();
}

bool InfosSystemeQt::Windows2000() const {
    // Wayland ne laisse pas le client régler l'opacité de sa fenêtre.
    const QString plateforme = QGuiApplication::platformName();
    return !plateforme.startsWith(QLatin1String("wayland")) && plateforme != QLatin1String("minimal");
}

} // namespace pulsodex
