// The main window's doors to the title deeds: "Kaart" opens the deed designer for the selected
// square, "Tools/Vermenigvuldigingsfactor" the rent factor window.
#include "windows/mainwindow.h"
#include "design/undocommands.h"

#include "model/boardrules.h"
#include "windows/configform.h"
#include "drawing/deedsheet.h"
#include "windows/eigendomform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void Main::connectDeedWindows()
{
    connect(KaartKnop, &QPushButton::clicked, this, &Main::openDeedDesigner);
    if (QAction *factors = menuAction(QStringLiteral("Tools/Vermenigvuldigingsfactor")))
        connect(factors, &QAction::triggered, this, &Main::openRentFactors);
}

void Main::openDeedDesigner()
{
    const int n = m_state.CurrentSquare;
    if (!DeedSheetSlot(n))
        return;  // only the 28 deed squares have a deed
    // A utility's deed shows the picture its square was composed with when it was selected.
    const bool utility = KindOfSquare(n) == SquareKind::Utility;
    const QImage picture = utility ? m_state.pictures.ImagePic : QImage();
    EigendomForm form(m_state, Text1->text(), Text2->text(), Combo1->currentText(), picture, this);
    form.exec();
}

void Main::openRentFactors()
{
    ConfigForm form(m_state, m_dialogs, this);
    form.exec();
}
