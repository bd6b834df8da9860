#include "ui/shell/TResolutionForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pulsodex {

TResolutionForm::TResolutionForm(QWidget* parent)
    : BoiteCentree(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ResolutionForm"));
    setWindowTitle(QStringLiteral("Changement de résolution"));

    auto* groupe = new QGroupBox(QStringLiteral("Confirmation"), this);
    auto* icone = new QLabel(groupe);
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(groupe);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setMinimumWidth(320);
    auto* contenu = new QHBoxLayout(groupe);
    contenu->addWidget(icone, 0, Qt::AlignTop);
    contenu->addWidget(Label1, 1);

    EnregistrerCmd = new QPushButton(QStringLiteral("&Enregistrer"), this);
    ChargerCmd = new QPushButton(QStringLiteral("&Charger"), this);
    AnnulerCmd = new QPushButton(QStringLiteral("&Annuler"), this);
    EnregistrerCmd->setObjectName(QStringLiteral("EnregistrerCmd"));
    ChargerCmd->setObjectName(QStringLiteral("ChargerCmd"));
    AnnulerCmd->setObjectName(QStringLiteral("AnnulerCmd"));
    QuestionCheck = new QCheckBox(QStringLiteral("Ne plus poser cette question"), this);
    QuestionCheck->setObjectName(QStringLiteral("QuestionCheck"));

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(QuestionCheck);
    boutons->addStretch();
    boutons->addWidget(EnregistrerCmd);
    boutons->addWidget(ChargerCmd);
    boutons->addWidget(AnnulerCmd);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(groupe);
    principal->addLayout(boutons);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(EnregistrerCmd, &QPushButton::clicked, this, [this] { done(Enregistrer); });
    connect(ChargerCmd, &QPushButton::clicked, this, [this] { done(Charger); });
    connect(AnnulerCmd, &QPushButton::clicked, this, [this] { done(Annuler); });
    connect(QuestionCheck, &QCheckBox::clicked, this, [this](bool coche) {
        if (QuestionChangee) {
            QuestionChangee(coche);
        }
    });
}

void TResolutionForm::FixerQuestion(const QString& texte, bool chargerPermis) {
    QString affiche = texte;
    affiche.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(affiche);
    ChargerCmd->setEnabled(chargerPermis);
}

} // namespace pulsodex
