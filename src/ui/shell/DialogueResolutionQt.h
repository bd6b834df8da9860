#pragma once
// La boîte « Changement de résolution » vue par la surveillance : créée à la
// demande, libérée dès qu'elle se ferme.
#include <QPointer>

#include <functional>

#include "core/app/SurveillanceResolution.h"
#include "ui/shell/TResolutionForm.h"

namespace pulsodex {

class DialogueResolutionQt final : public DialogueResolution {
public:
    // questionChangee : appelé au clic de « Ne plus poser cette question ».
    DialogueResolutionQt(QWidget* parent, std::function<void(bool)> questionChangee);
    ~DialogueResolutionQt() override;

    [[nodiscard]] bool Existe() const override { return !m_boite.isNull(); }
    void Creer() override;
    void FixerQuestion(const std::string& texte, bool chargerPermis) override;
    void Montrer(std::function<void(Reponse)> fin) override;
    void Annuler() override;

private:
    QWidget* m_parent;
    std::function<void(bool)> m_questionChangee;
    QPointer<TResolutionForm> m_boite;
};

} // namespace pulsodex
