#pragma once
// The main window: the board overview with its number strips, the square editor, the
// information bar, the instructions and the menu that reaches every other window.

#include "model/algemeen.h"
#include "drawing/numberstrips.h"

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <memory>

class DesignHistory;
class Dialogs;
class DocumentOpener;
class RecoveryCopy;
class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class SystemPrinters;

// A picture label that reports mouse presses (button and position in pixels). The second
// press of a double click is no second click: it reports nothing. With the keyboard's focus
// it shows a dotted frame and reports the arrow keys: +1 for right and down, -1 for left and up.
class PictureLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void pressed(Qt::MouseButton button, QPoint position);
    void stepped(int direction);
protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

class Main : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the whole start-up sequence; `state.Paths` must be set.
    Main(Algemeen &state, Dialogs &dialogs, QWidget *parent = nullptr);
    ~Main() override;

    // Gives the window this background and redraws the four number strips in it.
    void ApplyWindowColour(int red, int green, int blue);
    // Sets the information bar's date line to today.
    void ShowDateLine();
    // Switches between the clickable overview and the small finished board.
    void toggleBoardView();
    // The deed designer for the selected square and the rent factor window (mainwindow_deeds.cpp).
    void openDeedDesigner();
    void openRentFactors();

    // The square designer (mainwindow_board.cpp). A press on the overview, button and point
    // in pixels of Pic, selects a square and loads it into the editor and the preview.
    void SelectSquare(Qt::MouseButton button, QPoint pixel);
    // Square n (0: none) into the editor and the preview, the editor's unplaced edits dropped.
    void EditSquare(int n);
    // The arrow keys on the overview: the next (+1) or previous (-1) square that can be
    // chosen, round the board, into the editor.
    void StepSquare(int direction);
    // "Save": places the preview on the board and writes the editor's texts into Board.
    void PlaceCurrentSquare();
    // "Tools/Instellingen": the window colour and station picture, modal.
    void openKleurForm();
    void openSpelForm();

    // Controls, by their names, for the windows and tests that work with them.
    QLabel *InfoRegel = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *KlokLabel = nullptr;
    PictureLabel *Pic = nullptr;
    PictureLabel *Image1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Orgineel = nullptr;
    QPushButton *SaveKnop = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *KaartKnop = nullptr;
    // Under Text1, Text2 and Combo1: "Te lang: wordt afgekapt" while that text will not fit.
    std::array<QLabel *, 3> TeLangLabel{};
    QLabel *Label10 = nullptr;
    std::array<QLabel *, 4> numberStrips{};  // PicB, PicR, PicO, PicL
    QAction *ShowBordKlein = nullptr;
    QTimer *Timer1 = nullptr;

    // The square template shown in Orgineel, 180 x 280.
    QImage templateImage;

    QAction *menuAction(const QString &path) const;  // e.g. "Bestand/Afdrukken/Speelbord"
    // The current printer of every sheet printer, made when first needed.
    SystemPrinters &printers();
    void printDeedSheets();
    // "Alles afdrukken...": the whole game to a printer or as PDF files, with a preview.
    void printAll();
    // The full-size viewer of the board (3) or the deed sheet (4), and board printing.
    void showViewer(int subject);
    void printBoard();
    // Where the Help menu sends its documents: the desktop unless another opener is set.
    DocumentOpener &documents();
    void setDocumentOpener(DocumentOpener *opener);

    // Projects: "Nieuw Project", "Open Project", "Project Opslaan" (mainwindow_projects.cpp).
    void FileNew();
    void FileOpen();
    void FileSave();
    // Before the open design is replaced: with unsaved changes, asks whether to save them
    // first (`question` ends "wilt u ze opslaan voordat ..."). True when the design may go:
    // nothing was unsaved, it has been saved, or the user lets the changes go.
    bool MayReplaceDesign(const QString &question, const QString &title);
    // "Exporteren als PDF...": the whole print set as PDF files in a folder the user picks.
    void exportPdf();
    // "Project delen...": the saved project as one .vastgoed file; "Project ophalen...": such a
    // file into Projecten under a free name, opened; "Speelbord als afbeelding...": the board as
    // a PNG (mainwindow_share.cpp).
    void shareProject();
    void fetchProject();
    void exportBoardPicture();
    // Fetches the shared project in `path` and opens it, after asking about unsaved work. True
    // when it was opened.
    bool OpenSharedProject(const QString &path);
    // Shows the open project's name and small board, the editor with nothing selected.
    void ShowOpenedProject();
    QWidget *MenuPic = nullptr;  // the information bar
    bool AnimateSave = true;     // tests switch the save animation's waiting off

    // "Bewerken": undo and redo of every change to the design, and the copy kept of an unsaved
    // design (mainwindow_history.cpp).
    DesignHistory &history() { return *m_history; }
    RecoveryCopy *recovery() { return m_recovery.get(); }
    // Offers to restore a design left unsaved by a program that ended without closing.
    void OfferRecovery();
    QAction *UndoAction = nullptr;
    QAction *RedoAction = nullptr;

    // The whole town at once (mainwindow_town.cpp): "Tools/Alle vakjes...", "Tools/Alles plaatsen
    // en eigendomsbewijzen maken", "Tools/Eigendomsbewijzen bijwerken", and over the overview the
    // marks of how far each square is done, the selected square framed.
    void openSquareTable();
    void placeEverything();
    void updateAllDeeds();
    QWidget *Voortgang = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void layOutControls();
    void connectDeedWindows();
    void buildMenu();
    void giveMenusKeys();
    void showTemplate();
    void showBoard();
    void tick();
    void connectPrintMenu();
    void showNothingSelected();
    void runSaveAnimation();
    void connectSquareEditor();
    void editorTextChanged();
    void editorAmountChanged();
    void updateCutWarnings();
    void connectCardMenu();  // mainwindow_cards.cpp
    void connectViewMenus();
    void setUpHistory();
    void stepHistory(bool forward);
    void updateHistoryActions();
    void connectTownMenus();
    void afterTownChange();

    Algemeen &m_state;
    Dialogs &m_dialogs;
    std::unique_ptr<SystemPrinters> m_printers;
    DocumentOpener *m_documents = nullptr;
    std::unique_ptr<DesignHistory> m_history;
    std::unique_ptr<RecoveryCopy> m_recovery;
    QByteArray m_settingsOnDisk;  // the settings file as last written or read
};
