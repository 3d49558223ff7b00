#include "windows/configform.h"

#include "model/rentfactors.h"
#include "drawing/fonts.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace formlayout;

namespace {
// The colour of the windows' small texts.
const QColor LabelText(64, 64, 64);

const QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

struct RowLabel {
    int left, top;
    QString text;
};

QList<RowLabel> rowLabelTexts()
{
    const QString onbebouwd = QStringLiteral("X huur onbebouwd");
    const QString huur = QStringLiteral("X huur");
    return {
        {660, 600, "Met 1 huis" + blanks(21) + onbebouwd + blanks(18) + "Met 2 stations" + blanks(20) + huur},
        {480, 960, "Met 2 huizen" + blanks(21) + onbebouwd + blanks(18) + "Met 3 stations" + blanks(20) + huur},
        {480, 1320, "Met 3 huizen" + blanks(21) + onbebouwd + blanks(18) + "Met 4 stations" + blanks(20) + huur},
        {480, 1680, "Met 4 huizen" + blanks(21) + onbebouwd + blanks(11) + "Hypotheekwaarde" + blanks(20) + huur},
        {750, 2040, "Met hotel" + blanks(21) + onbebouwd},
        {750, 2640, "Prijs huis" + blanks(21) + onbebouwd},
        {705, 3000, "Prijs hotel" + blanks(21) + onbebouwd},
        {60, 3360, "Hypotheekwaarde" + blanks(21) + onbebouwd},
    };
}
}

ConfigForm::ConfigForm(Algemeen &state, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_visit(VisitRentFactors(state))
{
    setWindowTitle(QStringLiteral("Vermenigvuldigingsfactor"));
    setFont(ArialFont(8.25));
    setFixedSize(7500 / Twips, 4500 / Twips);
    setColour(this, QPalette::Window,
              QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));

    Label1 = new QLabel(QStringLiteral("Straatnamen") + blanks(51) + QStringLiteral("Stations"), this);
    Label1->setFont(ArialFont(9.75));
    place(Label1, 1470, 210);
    Label1->adjustSize();

    // The row labels first, so that the boxes lie on top of their runs of blanks.
    const QList<RowLabel> rows = rowLabelTexts();
    for (int i = 0; i < rows.size(); ++i)
        rowLabels[i + 2] = label(this, rows[i].text, rows[i].left, rows[i].top, LabelText);

    int left = 1470;
    int top = 540;
    for (int i = 1; i < FactorSlots; ++i) {
        auto *box = new QComboBox(this);
        box->setEditable(true);
        box->setFont(ArialFont(9));
        box->setInsertPolicy(QComboBox::NoInsert);
        for (int item = 1; item <= 100; ++item)
            box->addItem(QString::number(item));
        setColour(box, QPalette::Base, QColor(240, 240, 190));
        setColour(box, QPalette::Text, Qt::black);
        box->lineEdit()->setPalette(box->palette());
        place(box, left, top);
        box->resize(810 / Twips, box->sizeHint().height());
        box->setEditText(QString::number(m_state.RentFactors[i]));
        Combo1[i] = box;
        top += 360;
        if (i == 5)
            top += 240;
        if (i == 8) {
            left += 4140;
            top = 540;
        }
    }

    auto *hint = label(this,
                       QStringLiteral("Bovenstaande getallen zijn de vermenigvuldigingsfactoren "
                                      "van de bedragen op de eigendomsbewijzen van straten en "
                                      "stations."),
                       4230, 2400, QColor(90, 90, 0));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(hint, 4230, 2400, 3000, 900);
    rowLabels[10] = hint;

    ResetKnop = button(this, QStringLiteral("Reset"), 4230, 3510);
    ResetKnop->setToolTip(QStringLiteral(" Reset alle getallen "));
    CancelKnop = button(this, QStringLiteral("Cancel"), 5580, 3510);
    ExitKnop = button(this, QStringLiteral("Ok"), 6420, 3510);
    ExitKnop->setToolTip(QStringLiteral(" Wijziging Opslaan "));
    // Enter stores the factors, Escape leaves them; Enter never resets them.
    ExitKnop->setDefault(true);
    ResetKnop->setAutoDefault(false);
    QWidget::setTabOrder(Combo1[FactorSlots - 1], ResetKnop);
    for (int i = 1; i < FactorSlots - 1; ++i)
        QWidget::setTabOrder(Combo1[i], Combo1[i + 1]);
    formlayout::tabOrder({ResetKnop, CancelKnop, ExitKnop});
    AddButtonMnemonics(this);
    Combo1[1]->setFocus();

    connect(ResetKnop, &QPushButton::clicked, this, &ConfigForm::reset);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
    connect(ExitKnop, &QPushButton::clicked, this, &ConfigForm::storeAndClose);
}

void ConfigForm::reset()
{
    const auto defaults = DefaultRentFactors();
    for (int i = 1; i < FactorSlots; ++i) {
        m_state.RentFactors[i] = defaults[i];
        Combo1[i]->setEditText(QString::number(defaults[i]));
    }
}

void ConfigForm::storeAndClose()
{
    QStringList clampedRows;
    for (int i = 1; i < FactorSlots; ++i) {
        bool clamped = false;
        m_state.RentFactors[i] = FactorFromText(Combo1[i]->currentText(), &clamped);
        if (clamped) {
            Combo1[i]->setEditText(QString::number(m_state.RentFactors[i]));
            clampedRows << QString::number(i);
        }
    }
    if (!clampedRows.isEmpty())
        m_dialogs.showMessage(this,
                              QStringLiteral("Factor %1 valt buiten het bereik van -2147483648 tot "
                                             "2147483647; de dichtstbijzijnde grens is opgeslagen.")
                                  .arg(clampedRows.join(QStringLiteral(", "))),
                              QStringLiteral(" Vermenigvuldigingsfactor"), Dialogs::Icon::Warning);
    accept();
}
