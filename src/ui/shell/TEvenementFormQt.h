#pragma once
// « Propriétés de l'événement » : le message d'un événement, ou sa tâche
// (nom, commande, paramètres, répertoire). Modal, libéré à sa fermeture ;
// une seule référence globale, vidée à sa destruction.
#include <QDialog>

#include <functional>
#include <optional>

#include "core/config/dialog/TEvenementForm.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace pulsodex {

class TEvenementFormQt final : public QDialog {
    Q_OBJECT
public:
    explicit TEvenementFormQt(QWidget* parent = nullptr);
    ~TEvenementFormQt() override;
    TEvenementFormQt(const TEvenementFormQt&) = delete;
    TEvenementFormQt& operator=(const TEvenementFormQt&) = delete;

    // L'éditeur ouvert, nul quand il n'y en a pas.
    static TEvenementFormQt* EvenementForm();
    // Crée l'éditeur s'il n'existe pas, le remplit, l'exécute : le type et
    // les textes sur « Ok », rien sinon.
    static std::optional<ResultatEvenement> Editer(QWidget* parent, const ContenuEvenement& contenu);

    void Remplir(const ContenuEvenement& contenu);
    [[nodiscard]] ContenuEvenement Contenu() const;
    // Le type rapporté au dernier « Ok ».
    [[nodiscard]] TypeEvenement Type() const { return m_type; }
    void OkCmdClick();
    void ParcourirCmdClick();

    // Le choix d'un fichier ; par défaut la boîte d'ouverture des tâches.
    std::function<std::optional<QString>()> ChoisirFichier;

    QTabWidget* PageControl = nullptr;
    QWidget* MessageSheet = nullptr;
    QWidget* TacheSheet = nullptr;
    QLineEdit* MessageBox = nullptr;
    QLineEdit* NomBox = nullptr;
    QLineEdit* CommandeBox = nullptr;
    QLineEdit* ParamBox = nullptr;
    QLineEdit* RepBox = nullptr;
    QPushButton* ParcourirCmd = nullptr;
    QPushButton* OkCmd = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    std::optional<QString> ChoisirAvecBoite();

    TypeEvenement m_type = TypeEvenement::Indefini;
};

} // namespace pulsodex
