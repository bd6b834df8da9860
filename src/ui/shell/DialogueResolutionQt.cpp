#include "DialogueResolutionQt.h"

#include "adaptateurs/Conversions.h"

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

DialogueResolution::Reponse DialogueResolutionQt::Montrer() {
    if (!m_boite) {
        return Reponse::Annuler;
    }
    const int resultat = m_boite->exec();
    // La boîte se libère en se fermant.
    delete m_boite.data();
    switch (resultat) {
    case TResolutionForm::Enregistrer:
        return Reponse::Enregistrer;
    case TResolutionForm::Charger:
        return Reponse::Charger;
    default:
        return Reponse::Annuler;
    }
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
