#include "ui/shell/ChoixFichierTache.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>

namespace pulsodex {

bool EstExecutable(const QFileInfo& fichier) {
    const QString suffixe = fichier.suffix().toLower();
    return suffixe == QLatin1String("bat") || suffixe == QLatin1String("com") ||
           suffixe == QLatin1String("exe") || (fichier.isFile() && fichier.isExecutable());
}

void FiltreFichiersTache::ChoisirFiltre(int filtre) {
    m_filtre = filtre;
    invalidateFilter();
}

Qt::ItemFlags FiltreFichiersTache::flags(const QModelIndex& index) const {
    // Le modèle des fichiers grise ce que ses propres filtres de noms
    // refusent ; le tri est fait ici, ce qui est montré reste choisissable.
    return QSortFilterProxyModel::flags(index) | Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool FiltreFichiersTache::filterAcceptsRow(int ligne, const QModelIndex& parent) const {
    const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (fichiers == nullptr) {
        return true;
    }
    const QFileInfo info = fichiers->fileInfo(fichiers->index(ligne, 0, parent));
    return m_filtre == 0 || info.isDir() || EstExecutable(info);
}

QFileDialog* CreerChoixFichierTache(QWidget* parent) {
    auto* dialogue = new QFileDialog(parent);
    dialogue->setWindowTitle(QStringLiteral("Ouvrir"));
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    dialogue->setFileMode(QFileDialog::ExistingFile);
    dialogue->setAcceptMode(QFileDialog::AcceptOpen);
    auto* filtre = new FiltreFichiersTache(dialogue);
    dialogue->setProxyModel(filtre);
    // Les motifs « *.bat;*.com;*.exe » ne sont pas ceux de Qt : le modèle
    // montre tout (en grisé) et le filtre ci-dessus décide.
    if (auto* fichiers = qobject_cast<QFileSystemModel*>(filtre->sourceModel())) {
        fichiers->setNameFilterDisables(true);
    }
    dialogue->setNameFilters({QString::fromUtf8(FiltreTousFichiers), QString::fromUtf8(FiltreExecutables)});
    if (auto* types = dialogue->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        QObject::connect(types, &QComboBox::currentIndexChanged, filtre, &FiltreFichiersTache::ChoisirFiltre);
    }
    dialogue->selectNameFilter(QString::fromUtf8(FiltreExecutables));
    filtre->ChoisirFiltre(1);
    return dialogue;
}

} // namespace pulsodex
