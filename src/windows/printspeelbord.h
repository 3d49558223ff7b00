#pragma once
// "Speelbord Afdrukken": prints the finished board at about 50 x 50 cm on six portrait A4
// sheets, three across and two down, one print job a sheet.

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>
#include <vector>

#include "drawing/sharppicture.h"

class AAPrintPicture;
class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class SystemPrinters;
struct Algemeen;

class PrintSpeelbord : public QDialog
{
    Q_OBJECT
public:
    PrintSpeelbord(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent = nullptr);

    // Cuts the six-sheet picture into the six sheet pictures.
    void TileBoard();
    // The Print button: asks for a printer when none is chosen, otherwise prints the six
    // sheets and closes; a printer failure is reported and the window stays open.
    void print();
    // Prints sheet 1..6 of the cut board as its own job, at one scale across and down, as
    // large as the printable area allows and against its neighbours. False when the printer
    // failed.
    bool PrintSheet(int sheet);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;  // the explanation, with the size the board will have
    QComboBox *CmbPrinter = nullptr;
    // The board at its true size with glue strips, one job of seven pages with a guide.
    QCheckBox *ChkWareGrootte = nullptr;
    QPushButton *PrintKnop = nullptr;
    QPushButton *CancelKnop = nullptr;
    AAPrintPicture *AAPrintPicture1 = nullptr;
    QImage OrgineelBord;             // the six sheets side by side, 2700 x 2540
    std::array<QImage, 6> Picture1;  // sheets 1..6 at [0..5], 900 x 1270 each
    QImage previewImage;             // what Image1 shows, with the six sheet outlines

private:
    void showPreview();
    void explain();
    bool printAssembled(const QString &printer);

    QImage m_sixSheetPreview;
    std::optional<std::array<SharpPicture, 6>> m_sheets;  // the sheets with the board's drawing, found once a print
    Algemeen &m_state;
    Dialogs &m_dialogs;
    SystemPrinters &m_printers;
};
