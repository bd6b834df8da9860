#include "ui/shell/DialogueResolutionQt.h"

#include "ui/adaptateurs/Conversions.h"
#include "ui/shell/BoitesSansAttente.h"

namespace pulsodex {

DialogueResolutionQt::DialogueResolutionQt(QWidget* parent, std::function<void(bool)> questionChangee)
    : m_parent(parent), m_questionChangee(std::move(questionChangee)) {}

DialogueResolutionQt::~DialogueResolutionQt() {
    delete m_boite.data();
}

void DialogueResolutionQt::Creer() {
    m_boite = new TResolutionForm(m_parent);
    m_boite->QuestionChangee = m_questionChangee;
}

void DialogueResolutionQt::FixerQuestion(const std::string& texte, bool chargerPermis) {
    if (m_boite) {
        m_boite->FixerQuestion(Q(texte), chargerPermis);
    }
}

void DialogueResolutionQt::Montrer(std::function<void(Reponse)> fin) {
    if (!m_boite) {
        fin(Reponse::Annuler);
        return;
    }
    // Elle se libère en se fermant.
    MontrerSansAttendre(m_boite, [fin = std::move(fin)](int resultat) {
        switch (resultat) {
        case TResolutionForm::Enregistrer:
            fin(Reponse::Enregistrer);
            break;
        case TResolutionForm::Charger:
            fin(Reponse::Charger);
            break;
        default:
            fin(Reponse::Annuler);
            break;
        }
    });
}

void DialogueResolutionQt::Annuler() {
    if (!m_boite) {
        return;
    }
    if (m_boite->isVisible()) {
        m_boite->done(TResolutionForm::Annuler);
    } else {
        delete m_boite.data();
    }
}

} // namespace pulsodex
