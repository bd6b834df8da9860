#pragma once
// Les textes de Qt lui-même (boîtes de fichiers, boutons standard) en français.
class QCoreApplication;
class QTranslator;

namespace pulsodex {

// Installe les traductions françaises de Qt (la traduction appartient à
// l'application) ; nul si elles ne sont pas installées : les boîtes de Qt
// restent alors en anglais.
QTranslator* ChargerTraductionsQt(QCoreApplication& application);

} // namespace pulsodex
