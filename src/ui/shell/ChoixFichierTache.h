#pragma once
// Le choix du programme ou du document d'une tâche : une boîte d'ouverture de
// fichier avec les filtres « Tous fichiers (*.*) » et « Exécutables
// (*.bat;*.com;*.exe) », le second choisi. Sous Linux, un fichier que l'on
// peut exécuter passe le second filtre quel que soit son nom.
#include <QSortFilterProxyModel>

class QFileDialog;
class QFileInfo;
class QWidget;

namespace pulsodex {

inline constexpr const char* FiltreTousFichiers = "Tous fichiers (*.*)";
inline constexpr const char* FiltreExecutables = "Exécutables (*.bat;*.com;*.exe)";

// Un fichier que le filtre des exécutables montre.
bool EstExecutable(const QFileInfo& fichier);

// Filtre des fichiers montrés, selon le filtre choisi (0 tous, 1 exécutables).
class FiltreFichiersTache final : public QSortFilterProxyModel {
public:
    explicit FiltreFichiersTache(QObject* parent) : QSortFilterProxyModel(parent) {}
    void ChoisirFiltre(int filtre);
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    [[nodiscard]] bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override;

private:
    int m_filtre = 1;
};

// La boîte, non native (les filtres sont faits ici), à ouvrir par exec().
QFileDialog* CreerChoixFichierTache(QWidget* parent);

} // namespace pulsodex
