#pragma once
// "Alles afdrukken": the whole game in one go, to a chosen printer or as PDF files: the proof
// sheet, the board, the deeds, both decks with or without backs and the money; a preview of
// every sheet, a bar over the sheets, and a stop between sheets that leaves no half job.
// The printing runs beside the window, which keeps answering.

#include "printing/printkit.h"

#include <QDialog>
#include <atomic>
#include <functional>

class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class SystemPrinters;
struct Algemeen;

class PrintAllForm : public QDialog
{
    Q_OBJECT
public:
    PrintAllForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent = nullptr);
    ~PrintAllForm() override;

    // The caption of the first printer choice: PDF files in a folder the user picks.
    static QString PdfChoice() { return QStringLiteral("PDF-bestanden"); }

    // The options and the documents the window's choices make.
    PrintKitOptions options() const;
    std::vector<ExportedDocument> chosenDocuments() const;
    // Starts printing (asks for the folder first with PDF files); false when it did not start.
    bool print();
    bool printing() const { return m_running; }
    // Stops the print before its next sheet; the job under way is cancelled whole.
    void stop() { m_stop = true; }
    // Qt's print preview of every sheet, and what it draws them with.
    void preview();
    void paintPreview(QPrinter *printer);
    // Told on the printing thread before each sheet (1, 2, ... over the whole print).
    std::function<void(int sheet)> sheetStarting;

    QComboBox *CmbPrinter = nullptr;
    QComboBox *CmbBord = nullptr;
    QComboBox *CmbAchterkant = nullptr;
    QComboBox *CmbOmslaan = nullptr;
    QCheckBox *ChkSnijtekens = nullptr;
    QSpinBox *SpinProefnummer = nullptr;
    QList<QCheckBox *> ChkDelen;  // which documents: one box each, in print order
    QProgressBar *Voortgang = nullptr;
    QLabel *Melding = nullptr;
    QPushButton *VoorbeeldKnop = nullptr;
    QPushButton *PrintKnop = nullptr;
    QPushButton *StopKnop = nullptr;
    QPushButton *SluitKnop = nullptr;

signals:
    // The print has ended: whole, stopped, or failed with `message`.
    void done(bool whole, bool stopped, const QString &message);

public slots:
    void reject() override;

private:
    QString offsetName() const;
    void loadOffset();
    void saveOffset(int number);
    void setRunning(bool running);
    void finished(bool whole, const QString &message);

    Algemeen &m_state;
    Dialogs &m_dialogs;
    SystemPrinters &m_printers;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_sheets{0};
    bool m_running = false;
    QThread *m_job = nullptr;
};
