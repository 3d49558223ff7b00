// The windows at home on the desktop: every button has a letter of its own, Enter and Escape
// answer every dialog, the main window works with the keyboard alone, the wheel scrolls the
// viewer, a double click on the small board is one click, disabled fields look disabled.
#include "windows/openform.h"
#include "windows/showform.h"
#include "windows/kleurform.h"
#include "windows/geldform.h"
#include "windows/kansform.h"
#include "windows/configform.h"
#include "windows/eigendomform.h"
#include "dialogs/mnemonics.h"
#include "windows/printspeelbord.h"
#include "testwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// Window `name` of the program on the state of `t`, over its main window.
std::unique_ptr<QWidget> makeWindow(const QString &name, TestWindow &t)
{
    Algemeen &s = t.state;
    Main *main = t.main.get();
    s.CurrentSquare = 21;
    s.ActiveSubject = 3;
    if (name == "Openform")
        return std::make_unique<Openform>(s, t.dialogs, main);
    if (name == "Showform")
        return std::make_unique<Showform>(s, main);
    if (name == "KansForm")
        return std::make_unique<KansForm>(s, t.dialogs, main->printers(), main);
    if (name == "GeldForm")
        return std::make_unique<GeldForm>(s, t.dialogs, main->printers(), main);
    if (name == "EigendomForm")
        return std::make_unique<EigendomForm>(s, "Kalverstraat", "Amsterdam", QString::fromUtf8("€ 400,-"),
                                              QImage(), main);
    if (name == "ConfigForm")
        return std::make_unique<ConfigForm>(s, t.dialogs, main);
    if (name == "KleurForm")
        return std::make_unique<KleurForm>(s, nullptr, main);
    if (name == "PrintSpeelbord")
        return std::make_unique<PrintSpeelbord>(s, t.dialogs, main->printers(), main);
    return nullptr;
}

QChar markedLetter(const QString &caption)
{
    const int at = caption.indexOf(QLatin1Char('&')) + 1;
    return at > 0 && at < caption.size() ? caption[at].toLower() : QChar();
}

// The background of a text field where no text is, as the user sees it.
QColor fieldBackground(QWidget *field)
{
    const QImage shot = field->grab().toImage();
    return shot.pixelColor(shot.width() - 6, shot.height() / 2);
}
}  // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void everyDialogAnswersTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("enterPresses");  // the default button, as shown without marker
        QTest::newRow("Openform") << "Openform" << "Ok";
        QTest::newRow("Showform") << "Showform" << "Exit";
        QTest::newRow("KansForm") << "KansForm" << "Save";
        QTest::newRow("GeldForm") << "GeldForm" << "Print";
        QTest::newRow("EigendomForm") << "EigendomForm" << "Ok";
        QTest::newRow("ConfigForm") << "ConfigForm" << "Ok";
        QTest::newRow("KleurForm") << "KleurForm" << "Exit";
        QTest::newRow("PrintSpeelbord") << "PrintSpeelbord" << "Print";
    }

    // Every button has a letter no other button of its window has; Enter presses the window's
    // natural button; Escape closes it, whichever control has the focus.
    void everyDialogAnswersTheKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(QString, enterPresses);
        TestWindow t;
        const std::unique_ptr<QWidget> w = makeWindow(window, t);
        auto *dialog = qobject_cast<QDialog *>(w.get());
        QVERIFY(dialog);
        QSet<QChar> letters;
        QStringList defaults;
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
            const QChar letter = markedLetter(b->text());
            QVERIFY2(!letter.isNull() && !letters.contains(letter), qPrintable(b->text()));
            letters.insert(letter);
            auto *push = qobject_cast<QPushButton *>(b);
            if (push && push->isDefault())
                defaults << WithoutMnemonic(b->text());
        }
        QCOMPARE(defaults, QStringList{enterPresses});
        // A click beside a scroll bar's thumb steps a tenth of its range.
        for (QScrollBar *bar : dialog->findChildren<QScrollBar *>())
            if (bar->maximum() - bar->minimum() >= 200)
                QVERIFY2(bar->pageStep() >= (bar->maximum() - bar->minimum()) / 10, qPrintable(window));

        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == dialog);
        QTest::keyClick(focus, Qt::Key_Tab);  // anywhere in the window
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    // Enter in "Openen Project" opens the project in the list's focus frame: the only one here,
    // framed but not yet selected when the window opens.
    void enterOpensTheChosenProject()
    {
        TestWindow t;
        t.main->AnimateSave = false;
        t.state.project.KansDeck[4] = QStringLiteral("Bewaard");
        t.dialogs.textAnswers.push_back(QStringLiteral("Dorp"));
        t.main->menuAction("Bestand/Project Opslaan")->trigger();
        t.state.project.KansDeck[4] = QStringLiteral("Gewijzigd");

        Openform form(t.state, t.dialogs, t.main.get());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.List1);
        QTest::keyClick(form.List1, Qt::Key_Return);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(t.state.project.ProjectName, QStringLiteral("Dorp"));
        QCOMPARE(t.state.project.KansDeck[4], QStringLiteral("Bewaard"));
    }

    // Tab reaches the overview, the arrows choose a square, Tab goes on to its name, and the
    // button's letter places it: no mouse at all.
    void mainWindowByKeyboardAlone()
    {
        TestWindow t;
        Main &m = *t.main;
        QSet<QChar> letters;
        for (QAction *a : m.menuBar()->actions())
            letters.insert(markedLetter(a->text()));
        for (QPushButton *b : {m.SaveKnop, m.KaartKnop}) {
            QVERIFY2(!letters.contains(markedLetter(b->text())), qPrintable(b->text()));
            letters.insert(markedLetter(b->text()));
        }
        QCOMPARE(WithoutMnemonic(m.SaveKnop->text()), QStringLiteral("Save"));

        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        m.Pic->setFocus();
        QTest::keyClick(m.Pic, Qt::Key_Left);  // round the board: square 36
        QCOMPARE(t.state.CurrentSquare, 36);
        QTest::keyClick(m.Pic, Qt::Key_Right);
        QTest::keyClick(m.Pic, Qt::Key_Right);  // 2 is a card square: passed over
        QCOMPARE(t.state.CurrentSquare, 3);
        QTest::keyClick(m.Pic, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.Text1);
        QTest::keyClick(m.Text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(m.Text1, QStringLiteral("Toetsweg"));
        QTest::keyClick(m.Text1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.Text2);
        QTest::keyClick(m.Text2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.Combo1);
        QTest::keyClick(m.Combo1, markedLetter(m.SaveKnop->text()).toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(t.state.project.Board[3].Street, QStringLiteral("Toetsweg"));  // a button's letter clicks it soon after
    }

    void wheelScrollsTheViewer_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("bars");  // HScroll and VScroll afterwards, in twips
        // A notch moves as far as the bars' own wheel: three steps of 150 twips.
        QTest::newRow("down") << QPoint(0, -120) << int(Qt::NoModifier) << QPoint(3000, 3450);
        QTest::newRow("up") << QPoint(0, 240) << int(Qt::NoModifier) << QPoint(3000, 2100);
        QTest::newRow("Shift: sideways") << QPoint(0, -120) << int(Qt::ShiftModifier) << QPoint(3450, 3000);
        QTest::newRow("sideways wheel") << QPoint(120, 0) << int(Qt::NoModifier) << QPoint(2550, 3000);
    }

    void wheelScrollsTheViewer()
    {
        QFETCH(QPoint, angle);
        QFETCH(int, modifiers);
        QFETCH(QPoint, bars);
        TestWindow t;
        t.state.ActiveSubject = 3;
        t.state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
        Showform form(t.state);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.HScroll->setValue(3000);
        form.VScroll->setValue(3000);
        // Turned over the picture, and over the window beside it.
        for (QWidget *over : {static_cast<QWidget *>(form.SlidePic), static_cast<QWidget *>(&form)}) {
            const QPointF at(100, 100);
            QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), angle, Qt::NoButton,
                              Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &wheel);
            if (over == form.SlidePic) {
                QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), bars);
                QCOMPARE(form.SlidePic->pos(), -bars / 15);
                form.HScroll->setValue(3000);
                form.VScroll->setValue(3000);
            }
        }
        QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), bars);
        QCOMPARE(form.SlidePic->pos(), -bars / 15);
    }

    // A double click on the small board goes back to the overview, as one click does; its
    // second press chooses no square, so the typed name stays.
    void doubleClickOnTheSmallBoardIsOneClick()
    {
        TestWindow t;
        Main &m = *t.main;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTest::mouseClick(m.Pic, Qt::LeftButton, {}, SquareCentre(21));
        m.Text1->setText(QStringLiteral("Nog niet geplaatst"));
        m.ShowBordKlein->trigger();
        QVERIFY(m.Image1->isVisible());
        const QPoint square5 = m.Image1->mapTo(&m, SquareCentre(5));
        QTest::mouseDClick(m.windowHandle(), Qt::LeftButton, {}, square5);
        QVERIFY(m.Pic->isVisible() && !m.Image1->isVisible());
        QCOMPARE(t.state.CurrentSquare, 21);
        QCOMPARE(m.Text1->text(), QStringLiteral("Nog niet geplaatst"));
        // The overview's own pointer says: click a square.
        QCOMPARE(m.Pic->cursor().shape(), Qt::PointingHandCursor);
    }

    // The editor's fields are greyed while no square is chosen, in their own colour after.
    void disabledFieldsLookDisabled()
    {
        TestWindow t;
        Main &m = *t.main;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        const QList<QWidget *> fields{m.Text1, m.Text2, m.Combo1->lineEdit()};
        for (QWidget *field : fields) {
            QVERIFY(!field->isEnabled());
            const QColor off = fieldBackground(field);
            QVERIFY2(off.red() == off.green() && off.green() == off.blue(), qPrintable(off.name()));
        }
        m.EditSquare(21);
        for (QWidget *field : fields)
            QCOMPARE(fieldBackground(field), QColor(230, 230, 170));
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
