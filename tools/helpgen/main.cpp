// Makes the Help folder: photographs the program's own windows, then typesets the Dutch
// manual and rule books (Markdown) as A4 PDFs with those pictures in them.
//
//   vastgoed-helpgen <sources> <Data folder> <Help folder> <pictures folder>

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "windows/showform.h"
#include "dialogs/dialogs.h"
#include "dialogs/printers.h"
#include "windows/printspeelbord.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <cstdio>

namespace {
constexpr double MaxPictureWidth = 480;  // points: about the text width of an A4 page

// A stand-in for the message boxes: the photographs ask nothing.
class SilentDialogs : public Dialogs
{
public:
    bool askYesNo(QWidget *, const QString &, const QString &, Icon, Answer) override { return false; }
    Answer askYesNoCancel(QWidget *, const QString &, const QString &, Answer) override { return Answer::Cancel; }
    void showMessage(QWidget *, const QString &, const QString &, Icon) override {}
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> askFolder(QWidget *, const QString &) override { return std::nullopt; }
    std::optional<QString> askSaveFile(QWidget *, const QString &, const QString &, const QString &,
                                       const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> askOpenFile(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    std::optional<int> askNumber(QWidget *, const QString &, const QString &, int, int, int) override
    {
        return std::nullopt;
    }
};

bool save(const QImage &image, const QString &path)
{
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage photograph(QWidget *w)
{
    w->show();
    QApplication::processEvents();
    return w->grab().toImage();
}

// The windows the manual shows.
bool photographWindows(const QString &dataFolder, const QString &pictures)
{
    QTemporaryDir program;  // a program folder of its own: the settings file stays untouched
    QDir().mkpath(program.filePath("Data"));
    for (const QFileInfo &fi : QDir(dataFolder).entryInfoList({"*.vgx"}, QDir::Files))
        QFile::copy(fi.absoluteFilePath(), program.filePath("Data/" + fi.fileName()));
    Algemeen state;
    state.Paths = program.path();
    SilentDialogs dialogs;
    Main main(state, dialogs);
    bool ok = save(photograph(&main), pictures + "/hoofdvenster.png");
    main.toggleBoardView();
    ok = save(photograph(&main), pictures + "/speelbord-klein.png") && ok;
    main.toggleBoardView();

    state.ActiveSubject = 3;
    {
        Showform viewer(state, &main);
        viewer.HScroll->setValue(viewer.HScroll->maximum() / 3);
        viewer.VScroll->setValue(viewer.VScroll->maximum() / 3);
        ok = save(photograph(&viewer), pictures + "/speelbord-groot.png") && ok;
    }
    state.ActiveSubject = 4;
    {
        Showform viewer(state, &main);
        ok = save(photograph(&viewer), pictures + "/eigendomsbewijzen-tonen.png") && ok;
    }
    {
        SystemPrinters printers;
        PrintSpeelbord print(state, dialogs, printers, &main);
        ok = save(photograph(&print), pictures + "/speelbord-afdrukken.png") && ok;
    }
    return ok;
}

// One Markdown source as an A4 PDF.
bool typeset(const QString &source, const QString &pdf, const QString &pictures)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return false;
    }
    QTextDocument doc;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    QHash<QString, QImage> photos;
    for (const QFileInfo &fi : QDir(pictures).entryInfoList({"*.png"}, QDir::Files)) {
        photos.insert(fi.fileName(), QImage(fi.absoluteFilePath()));
        doc.addResource(QTextDocument::ImageResource, QUrl(fi.fileName()), photos.value(fi.fileName()));
    }
    const QString text = QString::fromUtf8(in.readAll());
    doc.setMarkdown(text);
    QString title = text.section(QLatin1Char('\n'), 0, 0);
    title.remove(QRegularExpression(QStringLiteral("^#+\\s*")));
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);

    // Pictures wider than the text are shown narrower, at their full sharpness.
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            const QImage picture = photos.value(image.name());
            if (picture.isNull()) {
                std::fprintf(stderr, "%s: no picture \"%s\"\n", qPrintable(source), qPrintable(image.name()));
                return false;
            }
            const double width = qMin<double>(picture.width(), MaxPictureWidth);
            // By its full path: the printed copy of the document finds it there.
            image.setName(QUrl::fromLocalFile(QDir(pictures).absoluteFilePath(image.name())).toString());
            image.setWidth(width);
            image.setHeight(picture.height() * width / picture.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }

    const QString partial = pdf + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vastgoed Atelier"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 18, 15, 18), QPageLayout::Millimeter);
        writer.setResolution(300);
        doc.print(&writer);
    }
    // The finished PDF replaces the old one whole.
    QFile::remove(pdf);
    if (!QFile::rename(partial, pdf)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pdf));
        return false;
    }
    return true;
}
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: vastgoed-helpgen <sources> <Data folder> <Help folder> <pictures folder>\n");
        return 2;
    }
    const QString sources = QString::fromLocal8Bit(argv[1]);
    const QString data = QString::fromLocal8Bit(argv[2]);
    const QString help = QString::fromLocal8Bit(argv[3]);
    const QString pictures = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(help);
    QDir().mkpath(pictures);
    if (!photographWindows(data, pictures))
        return 1;
    bool ok = true;
    for (const QFileInfo &fi : QDir(sources).entryInfoList({"*.md"}, QDir::Files))
        ok = typeset(fi.absoluteFilePath(), help + "/" + fi.completeBaseName() + ".pdf", pictures) && ok;
    for (const QFileInfo &fi : QDir(sources).entryInfoList({"*.html"}, QDir::Files)) {
        QFile::remove(help + "/" + fi.fileName());
        ok = QFile::copy(fi.absoluteFilePath(), help + "/" + fi.fileName()) && ok;
    }
    return ok ? 0 : 1;
}
