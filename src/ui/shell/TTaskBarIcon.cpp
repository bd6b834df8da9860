#include "ui/shell/TTaskBarIcon.h"

#include "core/commun/Trace.h"

namespace pulsodex {

QString BulleCoupee(const QString& bulle) {
    return bulle.left(LongueurBulleMax);
}

TTaskBarIcon::TTaskBarIcon(const QIcon& icone, const QString& bulle, QObject* parent)
    : QObject(parent), m_icone(icone) {
    m_icone.setToolTip(BulleCoupee(bulle));
    connect(&m_icone, &QSystemTrayIcon::activated, this, &TTaskBarIcon::Activee);
}

TTaskBarIcon::~TTaskBarIcon() {
    RetirerIcone();
}

bool TTaskBarIcon::ZoneDisponible() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TTaskBarIcon::AjouterIcone() {
    if (!ZoneDisponible()) {
        return false;
    }
    m_icone.show();
    return true;
}

bool TTaskBarIcon::RetirerIcone() {
    const bool etait = m_icone.isVisible();
    m_icone.hide();
    return etait;
}

void TTaskBarIcon::Activee(QSystemTrayIcon::ActivationReason raison) {
    TraceProcedure trace("TPulsodexForm.WMUser");
    if (raison == QSystemTrayIcon::Trigger) {
        emit Restaurer();
    }
}

} // namespace pulsodex
