#include "windows/printallform.h"

#include "model/algemeen.h"
#include "files/preferences.h"
#include "drawing/fonts.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "dialogs/printers.h"
#include "printing/printerpage.h"
#include "printing/printrun.h"
#include "printing/proofsheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QThread>
#include <QVBoxLayout>

namespace {
// The documents of the set and the box that chooses each, in print order.
const struct {
    const char *file;
    const char *caption;
} Parts[] = {{"Proefvel.pdf", "Proefvel"},         {"Speelbord.pdf", "Speelbord"},
             {"Eigendomsbewijzen.pdf", "Eigendomsbewijzen"}, {"Kans.pdf", "Kans Kaarten"},
             {"AlgemeenFonds.pdf", "Algemeen Fonds"},     {"Speelgeld.pdf", "Speelgeld"}};
}

PrintAllForm::PrintAllForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_printers(printers)
{
    setWindowTitle(QStringLiteral("Alles afdrukken"));
    setFont(ArialFont(8.25));
    formlayout::setColour(this, QPalette::Window,
                          QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));
    auto *form = new QFormLayout;

    CmbPrinter = new QComboBox(this);
    CmbPrinter->addItem(PdfChoice());
    CmbPrinter->addItems(printers.installedPrinters());
    form->addRow(QStringLiteral("Printer:"), CmbPrinter);

    CmbBord = new QComboBox(this);
    CmbBord->addItems({QStringLiteral("Ware grootte met plakranden"), QStringLiteral("Zes bladen zonder rand")});
    form->addRow(QStringLiteral("Speelbord:"), CmbBord);

    CmbAchterkant = new QComboBox(this);
    CmbAchterkant->addItems({QStringLiteral("Vouwen"), QStringLiteral("Dubbelzijdig"), QStringLiteral("Geen")});
    CmbAchterkant->setToolTip(QStringLiteral(
        "Vouwen: voor- en achterkant naast elkaar, vouwen en lijmen; elke printer kan het.\n"
        "Dubbelzijdig: de achterkanten op de achterzijde van het vel."));
    form->addRow(QStringLiteral("Achterkanten:"), CmbAchterkant);

    CmbOmslaan = new QComboBox(this);
    CmbOmslaan->addItems({QStringLiteral("Lange kant"), QStringLiteral("Korte kant")});
    form->addRow(QStringLiteral("Omslaan langs:"), CmbOmslaan);

    SpinProefnummer = new QSpinBox(this);
    SpinProefnummer->setRange(1, ProofGridSize * ProofGridSize);
    SpinProefnummer->setToolTip(QStringLiteral("Het nummer op het proefvel waar voor- en achterkant samenvallen"));
    form->addRow(QStringLiteral("Nummer op het proefvel:"), SpinProefnummer);

    ChkSnijtekens = new QCheckBox(QStringLiteral("Snijtekens"), this);
    ChkSnijtekens->setChecked(true);
    form->addRow(QString(), ChkSnijtekens);

    auto *parts = new QVBoxLayout;
    for (const auto &part : Parts) {
        auto *box = new QCheckBox(QString::fromUtf8(part.caption), this);
        box->setChecked(true);
        ChkDelen << box;
        parts->addWidget(box);
    }
    form->addRow(QStringLiteral("Afdrukken:"), parts);

    Voortgang = new QProgressBar(this);
    Voortgang->setRange(0, 1);
    Voortgang->setValue(0);
    Voortgang->setFormat(QStringLiteral("%v van %m bladen"));
    Voortgang->setTextVisible(false);
    Melding = new QLabel(QStringLiteral("Druk eerst het proefvel af en op ware grootte (100 %)."), this);
    Melding->setWordWrap(true);

    VoorbeeldKnop = new QPushButton(QStringLiteral("Voorbeeld"), this);
    PrintKnop = new QPushButton(QStringLiteral("Afdrukken"), this);
    StopKnop = new QPushButton(QStringLiteral("Stoppen"), this);
    SluitKnop = new QPushButton(QStringLiteral("Sluiten"), this);
    PrintKnop->setDefault(true);
    StopKnop->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(VoorbeeldKnop);
    buttons->addStretch();
    buttons->addWidget(PrintKnop);
    buttons->addWidget(StopKnop);
    buttons->addWidget(SluitKnop);

    auto *all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(Voortgang);
    all->addWidget(Melding);
    all->addLayout(buttons);

    auto updateDuplex = [this] {
        const bool duplex = CmbAchterkant->currentIndex() == 1;
        CmbOmslaan->setEnabled(duplex);
        SpinProefnummer->setEnabled(duplex);
    };
    connect(CmbAchterkant, &QComboBox::currentIndexChanged, this, updateDuplex);
    connect(CmbPrinter, &QComboBox::currentIndexChanged, this, &PrintAllForm::loadOffset);
    connect(SpinProefnummer, &QSpinBox::valueChanged, this, &PrintAllForm::saveOffset);
    connect(VoorbeeldKnop, &QPushButton::clicked, this, &PrintAllForm::preview);
    connect(PrintKnop, &QPushButton::clicked, this, &PrintAllForm::print);
    connect(StopKnop, &QPushButton::clicked, this, &PrintAllForm::stop);
    connect(SluitKnop, &QPushButton::clicked, this, &PrintAllForm::reject);
    updateDuplex();
    loadOffset();
    setTabOrder(CmbPrinter, CmbBord);
    AddButtonMnemonics(this);
}

PrintAllForm::~PrintAllForm()
{
    if (m_job) {
        m_stop = true;
        m_job->wait();
    }
}

QString PrintAllForm::offsetName() const
{
    return CmbPrinter->currentIndex() <= 0 ? PdfOffsetName() : CmbPrinter->currentText();
}

void PrintAllForm::loadOffset()
{
    const QPoint offset = ReadPreferences(m_state.preferencesPath()).duplexOffsets.value(offsetName());
    const QSignalBlocker quiet(SpinProefnummer);
    SpinProefnummer->setValue(ProofNumber(offset));
}

void PrintAllForm::saveOffset(int number)
{
    Preferences preferences = ReadPreferences(m_state.preferencesPath());
    preferences.duplexOffsets[offsetName()] = ProofOffset(number).toPoint();
    QString error;
    if (!WritePreferences(m_state.preferencesPath(), preferences, &error))
        Melding->setText(QStringLiteral("De verschuiving kan niet worden bewaard: %1").arg(error));
}

PrintKitOptions PrintAllForm::options() const
{
    PrintKitOptions o;
    o.backs = CmbAchterkant->currentIndex() == 1 ? BackWay::Duplex
            : CmbAchterkant->currentIndex() == 2 ? BackWay::None : BackWay::Fold;
    o.flip = CmbOmslaan->currentIndex() == 1 ? FlipEdge::Short : FlipEdge::Long;
    o.cutMarks = ChkSnijtekens->isChecked();
    o.backOffset = ProofOffset(SpinProefnummer->value());
    o.board = CmbBord->currentIndex() == 1 ? BoardLayout::SixSheets : BoardLayout::GlueStrips;
    return o;
}

std::vector<ExportedDocument> PrintAllForm::chosenDocuments() const
{
    PrintKitOptions o = options();
    // The proof sheet is one of the set even where the kit leaves it out.
    const bool plain = o.backs == BackWay::None && !o.cutMarks;
    std::vector<ExportedDocument> kit = PrintKitDocuments(m_state, o);
    if (plain) {
        o.cutMarks = true;
        kit.insert(kit.begin(), PrintKitDocuments(m_state, o).front());
    }
    std::vector<ExportedDocument> chosen;
    for (const ExportedDocument &doc : kit)
        for (int i = 0; i < ChkDelen.size(); ++i)
            if (doc.fileName == QLatin1String(Parts[i].file) && ChkDelen[i]->isChecked())
                chosen.push_back(doc);
    return chosen;
}

void PrintAllForm::setRunning(bool running)
{
    m_running = running;
    for (QWidget *w : std::initializer_list<QWidget *>{CmbPrinter, CmbBord, CmbAchterkant, CmbOmslaan, ChkSnijtekens,
                                                       SpinProefnummer, VoorbeeldKnop, PrintKnop, SluitKnop})
        w->setEnabled(!running);
    for (QCheckBox *box : ChkDelen)
        box->setEnabled(!running);
    StopKnop->setEnabled(running);
    if (!running) {
        const bool duplex = CmbAchterkant->currentIndex() == 1;
        CmbOmslaan->setEnabled(duplex);
        SpinProefnummer->setEnabled(duplex);
    }
}

bool PrintAllForm::print()
{
    if (m_running)
        return false;
    std::vector<ExportedDocument> docs = chosenDocuments();
    if (docs.empty())
        return false;
    const bool toPdf = CmbPrinter->currentIndex() <= 0;
    QString folder;
    if (toPdf) {
        const auto chosen = m_dialogs.askFolder(this, QStringLiteral("Map voor de PDF-bestanden"));
        if (!chosen)
            return false;
        folder = *chosen;
    } else if (!m_printers.selectPrinter(CmbPrinter->currentText())) {
        m_dialogs.showMessage(this, QStringLiteral("Geen printer aanwezig of offline"), QStringLiteral(" Error"),
                              Dialogs::Icon::Critical);
        return false;
    }
    m_stop = false;
    m_sheets = 0;
    Voortgang->setRange(0, 0);  // busy until the sheets are counted, beside the window
    Voortgang->setTextVisible(true);
    Voortgang->setValue(0);
    const std::vector<ExportedDocument> plain = docs;
    Melding->setText(QStringLiteral("Bezig met afdrukken..."));
    for (ExportedDocument &doc : docs)
        doc = StoppableDocument(doc, [this] {
            const int sheet = ++m_sheets;
            if (sheetStarting)
                sheetStarting(sheet);
            if (m_stop)
                return false;
            QMetaObject::invokeMethod(Voortgang, [this, sheet] { Voortgang->setValue(sheet - 1); }, Qt::QueuedConnection);
            return true;
        });
    setRunning(true);
    const bool sharp = m_state.SharpPrinting;
    const bool duplex = options().backs == BackWay::Duplex, shortEdge = options().flip == FlipEdge::Short;
    // The chosen printer's paper and the least margins it prints with.
    QString printerName;
    QPageLayout layout;
    int resolution = 0;
    if (!toPdf) {
        QPrinter &printer = m_printers.current();
        KeptPageLayout keep(printer);
        UseWholePrintableArea(printer);
        printerName = printer.printerName();
        layout = printer.pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        resolution = printer.resolution();
    }
    m_job = QThread::create([this, plain, docs, folder, sharp, toPdf, printerName, layout, resolution, duplex, shortEdge] {
        const int sheets = CountSheets(plain);
        QMetaObject::invokeMethod(Voortgang, [this, sheets] { Voortgang->setRange(0, qMax(1, sheets)); }, Qt::QueuedConnection);
        QString error;
        bool whole = true;
        if (toPdf) {
            whole = ExportDocumentsAtOnce(docs, folder, &error, {}, sharp ? ExportSharpDpi : 0);
        } else {
            // Each document is drawn whole into a file, then handed to the print server: a
            // print stopped half-way leaves no half job behind.
            const QString sides = !duplex ? QStringLiteral("sides=one-sided")
                                  : shortEdge ? QStringLiteral("sides=two-sided-short-edge")
                                              : QStringLiteral("sides=two-sided-long-edge");
            for (const ExportedDocument &doc : docs) {
                QTemporaryDir temp;
                const QString file = temp.filePath(doc.fileName);
                {
                    QPdfWriter writer(file);
                    writer.setResolution(ExportResolution);
                    writer.setPageLayout(layout);
                    PrinterPage page(&writer);
                    page.setSharpResolution(sharp ? qMin(resolution, PrinterSharpDpiCap) : 0);
                    whole = doc.print(page);
                }
                if (!whole)
                    break;
                if (!SpoolFile(file, printerName, QStringLiteral("Vastgoed-") + doc.fileName.chopped(4), {sides})) {
                    whole = false;
                    error = QStringLiteral("Geen printer aanwezig of offline");
                    break;
                }
            }
        }
        QMetaObject::invokeMethod(this, [this, whole, error] { finished(whole, error); }, Qt::QueuedConnection);
    });
    m_job->start();
    return true;
}

void PrintAllForm::finished(bool whole, const QString &error)
{
    if (m_job) {
        m_job->wait();
        delete m_job;
        m_job = nullptr;
    }
    const bool stopped = !whole && m_stop;
    setRunning(false);
    if (whole) {
        Voortgang->setValue(Voortgang->maximum());
        Melding->setText(QStringLiteral("Alles is afgedrukt. Snijd van teken tot teken, de lange lijnen eerst."));
    } else if (stopped) {
        Melding->setText(QStringLiteral("Gestopt: het blad dat aan de beurt was en de rest van die opdracht zijn niet afgedrukt."));
    } else {
        Melding->setText(error);
        m_dialogs.showMessage(this, error, QStringLiteral(" Error"), Dialogs::Icon::Critical);
    }
    emit done(whole, stopped, error);
}

void PrintAllForm::reject()
{
    if (m_running) {
        stop();  // Escape while printing stops the print; the window stays
        return;
    }
    QDialog::reject();
}

void PrintAllForm::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Voorbeeld: alles afdrukken"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &PrintAllForm::paintPreview);
    dialog.exec();
}

void PrintAllForm::paintPreview(QPrinter *printer)
{
    // The margins of the PDF files: what a home printer reaches.
    const double m = ExportMarginMillimetres;
    printer->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    PrinterPage page(printer);
    page.setSharpResolution(0);  // the screen shows the pictures as they are
    PrintChained(page, chosenDocuments());
}
