#include "windows/printspeelbord.h"

#include "model/algemeen.h"
#include "drawing/fonts.h"
#include "platform/busypointer.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "dialogs/printers.h"
#include "windows/aaprintpicture.h"
#include "printing/boardassembly.h"
#include "printing/boardsheets.h"
#include "printing/printouts.h"
#include "files/preferences.h"
#include "windows/sheetprint.h"
#include "printing/printerpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace formlayout;

namespace {
const QRect PreviewArea = twips(180, 180, 4095, 3915);
}

PrintSpeelbord::PrintSpeelbord(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_printers(printers)
{
    // Step 1: the window and its controls.
    setWindowTitle(QStringLiteral("Speelbord Afdrukken"));
    setFont(ArialFont(8.25));
    setFixedSize(8100 / Twips, 4800 / Twips);
    setColour(this, QPalette::Window,
              QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));

    auto *background = new QLabel(this);
    background->setGeometry(PreviewArea);
    setColour(background, QPalette::Window, QColor(200, 200, 200));
    Image1 = new QLabel(this);
    Image1->setGeometry(PreviewArea);

    Label1 = new QLabel(this);
    place(Label1, 4470, 270, 3390, 1050);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label(this, QStringLiteral("Selecteer hier uw printer"), 4500, 1860);

    CmbPrinter = new QComboBox(this);
    place(CmbPrinter, 4500, 2100);
    CmbPrinter->setFixedWidth(3330 / Twips);
    QPalette pal = CmbPrinter->palette();
    pal.setColor(QPalette::Base, QColor(230, 230, 250));
    pal.setColor(QPalette::Button, QColor(230, 230, 250));
    pal.setColor(QPalette::Text, QColor(30, 30, 50));
    pal.setColor(QPalette::ButtonText, QColor(30, 30, 50));
    CmbPrinter->setPalette(pal);

    AAPrintPicture1 = new AAPrintPicture(printers, this);
    AAPrintPicture1->hide();
    connect(CmbPrinter, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            AAPrintPicture1->setDefultPrinter(CmbPrinter->itemText(index));
        explain();
    });

    // Step 2: the prompt, then every installed printer; the prompt names no printer.
    CmbPrinter->addItem(QStringLiteral("Printerkeuze"));
    CmbPrinter->addItems(printers.installedPrinters());
    CmbPrinter->setCurrentIndex(0);
    AAPrintPicture1->setDefultPrinter(CmbPrinter->itemText(0));

    ChkWareGrootte = new QCheckBox(QStringLiteral("Ware grootte met plakranden"), this);
    place(ChkWareGrootte, 4500, 2640);
    ChkWareGrootte->setFixedWidth(3330 / Twips);
    ChkWareGrootte->setToolTip(QStringLiteral(
        "Het speelbord op ware grootte (50,9 x 50,9 cm) op zes bladen met plakranden, snijlijnen "
        "en een blad met uitleg vooraf"));
    connect(ChkWareGrootte, &QCheckBox::toggled, this, &PrintSpeelbord::showPreview);
    connect(ChkWareGrootte, &QCheckBox::toggled, this, &PrintSpeelbord::explain);
    explain();

    // Step 3: the board in the middle of the six sheets.
    OrgineelBord = ComposeSixSheets(state.pictures.Speelbord);

    // Step 4: the buttons.
    PrintKnop = button(this, QStringLiteral("Print"), 6180, 3810);
    CancelKnop = button(this, QStringLiteral("Cancel"), 7020, 3810);
    connect(PrintKnop, &QPushButton::clicked, this, &PrintSpeelbord::print);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
    PrintKnop->setDefault(true);
    formlayout::tabOrder({CmbPrinter, ChkWareGrootte, PrintKnop, CancelKnop});
    AddButtonMnemonics(this);

    // Step 5: the preview, about a tenth of the size, with the six sheet outlines in red.
    previewImage = OrgineelBord.scaled(PreviewArea.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        QPainter p(&previewImage);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.setBrush(Qt::NoBrush);
        const int lefts[3] = {210, 1545, 2880};
        const int tops[2] = {210, 2130};
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column) {
                const QRect r = twips(lefts[column] - 180, tops[row] - 180, 1350, 1935);
                p.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
            }
    }
    m_sixSheetPreview = previewImage;
    Image1->setPixmap(QPixmap::fromImage(previewImage));
}

void PrintSpeelbord::explain()
{
    const QString paper = QStringLiteral("Gebruik voor het (A4) minimaal 180 grams papier. ");
    auto size = [](double millimetres) {
        const QString cm = QString::number(millimetres / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
        return QStringLiteral("De afmeting van het speelbord wordt %1 x %1 cm.").arg(cm);
    };
    if (ChkWareGrootte && ChkWareGrootte->isChecked()) {
        Label1->setText(QStringLiteral("Speelbord wordt op 7 pagina's (A4) afgedrukt: een blad met uitleg en zes "
                                       "bladen met plakranden. ") + paper + size(BoardSize / AssemblyPixelsPerMm));
        return;
    }
    const QString sheets = QStringLiteral("Speelbord wordt op 6 pagina's (A4) afgedrukt zoals in het linker voorbeeld is te zien. ");
    // The board is as large as the chosen printer's printable area lets each sheet be.
    const double side = CmbPrinter && CmbPrinter->currentIndex() > 0
        ? SixSheetBoardSide(SystemPrinters::printableArea(CmbPrinter->currentText(), QPageSize(QPageSize::A4),
                                                          QPageLayout::Portrait))
        : 0;
    Label1->setText(sheets + paper + (side > 0 ? size(side) : QStringLiteral("De afmeting van het speelbord wordt 50 x 50 cm.")));
}

void PrintSpeelbord::showPreview()
{
    previewImage = ChkWareGrootte->isChecked() ? AssemblyPreview(m_state.pictures.Speelbord, PreviewArea.size())
                                               : m_sixSheetPreview;
    Image1->setPixmap(QPixmap::fromImage(previewImage));
}

bool PrintSpeelbord::printAssembled(const QString &printerName)
{
    if (!m_printers.selectPrinter(printerName)) {
        m_dialogs.showMessage(this, SheetPrintFailure(), QStringLiteral(" Error"), Dialogs::Icon::Critical);
        return false;
    }
    QPrinter &printer = m_printers.current();
    KeptPageLayout keep(printer);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    return RunSheetPrinter(this, m_dialogs, m_printers, QStringLiteral("Speelbord ware grootte"), SheetPrintFailure(),
                           [this](PrinterPage &page) { return PrintAssembledBoard(page, m_state); },
                           m_state.SharpPrinting);
}

void PrintSpeelbord::TileBoard()
{
    Picture1 = ::TileBoard(OrgineelBord);
}

bool PrintSpeelbord::PrintSheet(int sheet)
{
    if (!m_sheets)
        m_sheets = SixSheetsToPrint(m_state, m_state.SharpPrinting);
    const SharpPicture &printed = (*m_sheets)[size_t(sheet - 1)];
    AAPrintPicture1->setSharpResolution(BoardPrintsSharp(m_state, m_state.SharpPrinting) ? PrinterSharpDpiCap : 0);
    AAPrintPicture1->setSharpParts(printed.parts);
    AAPrintPicture1->setShowBorder(false);
    AAPrintPicture1->setStretch(true);
    AAPrintPicture1->setKeepProportions(true);
    AAPrintPicture1->setAlign(SixSheetAlign(sheet));
    AAPrintPicture1->setPicture(printed.pixels);
    AAPrintPicture1->setJobName(QStringLiteral("Speelbord %1 van 6").arg(sheet));
    return AAPrintPicture1->PrintPicture();
}

void PrintSpeelbord::print()
{
    if (CmbPrinter->currentIndex() <= 0) {
        m_dialogs.showMessage(this, QStringLiteral("Selecteer een printer uit de lijst!"), ProgramTitle(),
                              Dialogs::Icon::None);
        return;
    }
    // A printer taken away after it was chosen must not send the board to another one.
    const QString chosen = CmbPrinter->currentText();
    bool ok = m_printers.installedPrinters().contains(chosen);
    if (ok && ChkWareGrootte->isChecked()) {
        BusyPointer busy;
        if (printAssembled(chosen))
            accept();  // a failure has been reported by the sheet printer; the window stays
        return;
    }
    {
        BusyPointer busy;
        if (ok) {
            TileBoard();
            m_sheets.reset();
            for (int sheet = 1; sheet <= 6 && ok; ++sheet)
                ok = PrintSheet(sheet);
        }
    }
    if (!ok) {
        m_dialogs.showMessage(this, SheetPrintFailure(), QStringLiteral(" Error"), Dialogs::Icon::Critical);
        return;
    }
    accept();
}
