#include "ui/app/TraductionsQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pulsodex {

QTranslator* ChargerTraductionsQt(QCoreApplication& application) {
    // L'interface est française quelle que soit la langue du bureau.
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traduction)) {
        delete traduction;
        return nullptr;
    }
    return traduction;
}

} // namespace pulsodex
