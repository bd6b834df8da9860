#include "ui/config/RefletsControles.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/config/LiaisonsControles.h"

namespace pulsodex {

void RefleterZone(QLineEdit* zone, const ZoneTexte& texte, LimiteSaisie* limite) {
    RefleterControle(zone, texte);
    const QString voulu = Q(texte.Texte);
    // Avant le texte : la limite l'accepte, même plus long qu'elle.
    limite->Fixer(texte.LongueurMax, voulu);
    if (zone->text() != voulu) {
        const QSignalBlocker bloque(zone);
        zone->setText(voulu);
    }
}

void RefleterListe(QListWidget* widget, const Liste& liste, bool aCocher) {
    RefleterControle(widget, liste);
    const QSignalBlocker bloque(widget);
    const auto n = static_cast<int>(liste.Elements.size());
    while (widget->count() > n) {
        delete widget->takeItem(widget->count() - 1);
    }
    for (int i = 0; i < n; ++i) {
        const QString texte = Q(liste.Elements[static_cast<std::size_t>(i)]);
        QListWidgetItem* element = widget->item(i);
        if (element == nullptr) {
            element = new QListWidgetItem(texte, widget);
            if (aCocher) {
                element->setFlags(element->flags() | Qt::ItemIsUserCheckable);
            }
        } else if (element->text() != texte) {
            element->setText(texte);
        }
        if (aCocher) {
            const bool coche = static_cast<std::size_t>(i) < liste.Coches.size() &&
                               liste.Coches[static_cast<std::size_t>(i)];
            element->setCheckState(coche ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (liste.Selection >= 0 && liste.Selection < n) {
        widget->setCurrentRow(liste.Selection);
    } else {
        widget->setCurrentRow(-1);
        widget->clearSelection();
    }
}

void RendreFocus(QWidget* racine, std::string& focus) {
    if (focus.empty()) {
        return;
    }
    if (auto* widget = racine->findChild<QWidget*>(Q(focus))) {
        focus.clear();
        widget->setFocus(Qt::OtherFocusReason);
    }
}

LimiteSaisie::LimiteSaisie(QLineEdit* zone) : QValidator(zone), m_precedent(zone->text()) {
    zone->setValidator(this);
    connect(zone, &QLineEdit::textChanged, this, [this](const QString& texte) { m_precedent = texte; });
}

QValidator::State LimiteSaisie::validate(QString& texte, int& /*position*/) const {
    const auto longueur = static_cast<std::size_t>(texte.size());
    if (m_max == 0 || longueur <= m_max || longueur <= static_cast<std::size_t>(m_precedent.size())) {
        return Acceptable;
    }
    return Invalid;
}

void SuiviZones::Suivre(QLineEdit* zone, Zone regles) {
    m_zones[zone] = std::move(regles);
    zone->installEventFilter(this);
}

bool FocusDeLUtilisateur(const QEvent* evenement) {
    const auto raison = static_cast<const QFocusEvent*>(evenement)->reason();
    return raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason;
}

bool ToucheRefusee(const QKeyEvent& touche, std::string_view permis) {
    switch (touche.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    default:
        break;
    }
    if (permis.empty()) {
        return false;
    }
    // Chaque caractère tapé (une méthode de saisie peut en donner plusieurs).
    for (const char32_t c : touche.text().toUcs4()) {
        if (!TOptionsForm::FiltreTouches(permis, c)) {
            return true;
        }
    }
    return false;
}

bool SuiviZones::eventFilter(QObject* objet, QEvent* evenement) {
    const auto it = m_zones.find(objet);
    if (it == m_zones.end()) {
        return false;
    }
    const Zone& zone = it->second;
    switch (evenement->type()) {
    case QEvent::FocusIn:
        if (FocusDeLUtilisateur(evenement) && m_entree != objet) {
            m_entree = objet;
            if (zone.Entree) {
                zone.Entree();
            }
        }
        return false;
    case QEvent::FocusOut:
        if (FocusDeLUtilisateur(evenement) && m_entree == objet) {
            m_entree = nullptr;
            if (zone.Sortie) {
                zone.Sortie();
            }
        }
        return false;
    case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        switch (touche->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // La zone est vérifiée avant que le bouton par défaut ne valide ;
            // refusée, elle garde le focus et le dialogue reste ouvert.
            if (m_entree == objet && zone.Sortie) {
                m_entree = nullptr;
                const bool refusee = zone.Sortie();
                m_entree = objet;
                return refusee;
            }
            return false;
        default:
            return zone.Permis && ToucheRefusee(*touche, zone.Permis());
        }
    }
    default:
        return false;
    }
}

} // namespace pulsodex
