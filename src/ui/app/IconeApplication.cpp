#include "ui/app/IconeApplication.h"

#include <QPainter>
#include <QPixmap>

namespace pulsodex {

namespace {
QPixmap Dessiner(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const qreal u = cote / 16.0;
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(64, 64, 64));
    peintre.drawRoundedRect(QRectF(0, 0, cote, cote), 2 * u, 2 * u);
    const QColor couleurs[] = {QColor(0, 128, 0), QColor(128, 128, 0), QColor(128, 0, 0)};
    const qreal longueurs[] = {12, 8, 4};
    for (int i = 0; i < 3; ++i) {
        peintre.setBrush(QColor(192, 192, 192));
        peintre.drawRect(QRectF(2 * u, (2 + 4.5 * i) * u, 12 * u, 3 * u));
        peintre.setBrush(couleurs[i]);
        peintre.drawRect(QRectF(2 * u, (2 + 4.5 * i) * u, longueurs[i] * u, 3 * u));
    }
    return image;
}
} // namespace

QIcon IconeApplication() {
    QIcon icone;
    for (int cote : {16, 22, 32, 48, 64}) {
        icone.addPixmap(Dessiner(cote));
    }
    return icone;
}

} // namespace pulsodex
