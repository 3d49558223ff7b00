#pragma once
// What the tests of the program's own windows share: driving modal windows and fields as a
// user does, designs to compare, and the child program a crash test kills.
#include "app/commandline.h"
#include "windows/openform.h"
#include "files/projectfiles.h"
#include "design/edits.h"
#include "design/recovery.h"
#include "files/settingsfile.h"
#include "windows/showform.h"
#include "windows/textguard.h"
#include "design/undocommands.h"
#include "windows/kansform.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "windows/eigendomform.h"
#include "dialogs/mnemonics.h"
#include "platform/opendocument.h"
#include "files/drawingfile.h"
#include "windows/sheetprint.h"
#include "testwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cstdio>
#include <functional>

// Runs `drive` on the modal window of type T as soon as it is open. `open` opens it and
// returns when it has closed again. False when no such window came.
template <typename T>
inline bool driveModal(QObject *context, const std::function<void()> &open, const std::function<void(T *)> &drive)
{
    bool found = false;
    QTimer::singleShot(0, context, [&] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
            found = true;
            drive(window);
            if (window->isVisible())  // a failed check inside `drive` must not leave it open
                window->reject();
        }
    });
    open();
    return found;
}

// Replaces the text of a line edit as a user does: select all, then type key by key.
inline void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            // A letter of a Latin keyboard beyond ASCII: its key code is its capital's code.
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        }
    }
}

inline QImage part(const QImage &image, QPoint topLeft, QSize size)
{
    return image.copy(QRect(topLeft, size)).convertToFormat(QImage::Format_RGB32);
}

constexpr QSize TemplateSize(180, 280);
constexpr QSize DeedSize(DeedWidth, DeedHeight);

// What a user changes: a square's texts, a card and a mark on both pictures.
inline void changeDesign(Algemeen &state, const QString &street)
{
    state.project.Board[21].Street = street;
    state.project.Board[21].City = QStringLiteral("Dorp, aan zee");
    state.project.KansDeck[4] = QStringLiteral("Ga terug, drie plaatsen");
    state.project.StationImage = 7;
    for (int i = 0; i < 50; ++i) {
        state.pictures.Speelbord.setPixel(300 + i, 400, qRgb(1, 2, 3));
        state.pictures.EigenDomsPic.setPixel(10, 10 + i, qRgb(4, 5, 6));
    }
    MarkDesignChanged(state);
}

// The main window, saving without its animation.
struct Session : TestWindow {
    Session() { main->AnimateSave = false; }
    void save(const std::optional<QString> &name)
    {
        dialogs.textAnswers.push_back(name);
        main->menuAction("Bestand/Project Opslaan")->trigger();
    }
};
struct RecordedDocuments : DocumentOpener {
    QStringList opened;
    QList<QWidget *> owners;
    bool hasViewer = true;
    bool OpenDocument(QWidget *owner, const QString &document) override
    {
        opened << document;
        owners << owner;
        return hasViewer;
    }
};

// The board dark green, the deed sheet yellow.
inline void fillPictures(Algemeen &state)
{
    state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
    state.pictures.Speelbord.fill(Qt::darkGreen);
    state.pictures.EigenDomsPic = QImage(1476, 1176, QImage::Format_RGB32);
    state.pictures.EigenDomsPic.fill(Qt::yellow);
}

inline void drag(QWidget *picture, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(picture, button, Qt::NoModifier, from);
    // A move reports where the picture is now, relative to it.
    QMouseEvent move(QEvent::MouseMove, QPointF(to), picture->mapToGlobal(QPointF(to)), Qt::NoButton,
                     button, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QTest::mouseRelease(picture, button, Qt::NoModifier, to);
}
// Everything a change can touch, to compare the design before and after: both pictures and
// the bytes of every file the design and the settings are kept in.
struct Snapshot {
    QImage board, deeds;
    QByteArray files;
    explicit Snapshot(const Algemeen &s)
        : board(s.pictures.Speelbord), deeds(s.pictures.EigenDomsPic),
          files(ProjectFileBytes(s.project, "P").value_or("?") + DeckFileBytes(s.project).value_or("?")
                + DrawingFileBytes(s.drawing) + SettingsFileBytes(s))
    {
    }
    bool operator==(const Snapshot &o) const { return board == o.board && deeds == o.deeds && files == o.files; }
};

// Drags the board in the viewer beyond its ends and moves it with the bars.
inline void dragAndScroll(Showform &form)
{
    drag(form.SlidePic, QPoint(300, 200), QPoint(260, 150));
    QCOMPARE(form.SlidePic->pos(), QPoint(-40, -50));
    QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(-600, -750));  // twips
    QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), QPoint(600, 750));
    // Far left and up: the picture's far edge stops on the viewport's far edge.
    drag(form.SlidePic, QPoint(100, 100), QPoint(-5000, -5000));
    QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(-24300, -28200));
    QCOMPARE(form.SlidePic->pos(), QPoint(-1620, -1880));
    QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), QPoint(24300, 28200));
    QCOMPARE(form.SlidePic->geometry().right(), form.PicCont->width() - 1);
    // Far right and down: back at the top left.
    drag(form.SlidePic, QPoint(100, 100), QPoint(2000, 2000));
    QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(0, 0));
    QCOMPARE(form.SlidePic->pos(), QPoint(0, 0));

    // The bars move the picture too, and a drag goes on from where the bars left it.
    form.VScroll->setValue(3000);
    QCOMPARE(form.SlidePic->pos(), QPoint(0, -200));
    QCOMPARE(int(form.SlideY), -3000);
    form.HScroll->setValue(24300);
    QCOMPARE(form.SlidePic->pos(), QPoint(-1620, -200));
    drag(form.SlidePic, QPoint(1700, 300), QPoint(1710, 310));
    QCOMPARE(form.SlidePic->pos(), QPoint(-1610, -190));
    QCOMPARE(form.VScroll->value(), 2850);
}

// Renames square 21 through the editor and places it, as a user clicks.
inline void placeStreet(Main &m, const QString &street)
{
    m.show();
    QTest::mouseClick(m.Pic, Qt::LeftButton, {}, SquareCentre(21));
    m.Text1->setText(street);
    QTest::mouseClick(m.SaveKnop, Qt::LeftButton);
}

inline QStringList sessions(const QString &recovery)
{
    return QDir(recovery).entryList({"sessie-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
}

// The program's part in the crash test: a window in `folder` places square 21, waits until the
// copy is on disk, says so and waits to be killed.
inline int runChild(const QString &folder)
{
    WindowIn w(folder);
    Main &m = *w.main;
    m.recovery()->setInterval(0);
    placeStreet(m, "Hersteld");
    while (!m.recovery()->idle())
        QTest::qWait(20);
    std::printf("klaar\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

struct Child {
    QProcess process;
    explicit Child(const QString &folder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VASTGOED_TEST_CHILD", folder);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
    }
    bool ready() { return process.waitForReadyRead(60000) && process.readAll().contains("klaar"); }
    void kill()
    {
        process.kill();  // SIGKILL: nothing is cleaned up
        process.waitForFinished();
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning)
            kill();
    }
};
