// The main window's doors to the whole town: the squares table, everything placed and every
// deed made in one step, the out-of-date deeds made again, and the marks over the overview
// that show, square by square, what is done.
#include "windows/mainwindow.h"
#include "design/undocommands.h"

#include "model/boardrules.h"
#include "design/townedits.h"
#include "platform/busypointer.h"
#include "dialogs/formlayout.h"
#include "windows/squaretableform.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

using formlayout::Twips;

namespace {
// Square n's place on the overview, in its pixels.
QRect overviewRect(int n)
{
    const HitRect r = OverviewHitRect(n);
    return QRect(QPoint(r.left / Twips, r.top / Twips), QPoint(r.right / Twips - 1, r.bottom / Twips - 1));
}

// Where the two marks of square n sit: 5 pixels in from the square's outer edge (away from the
// board's middle, clear of the number and the colour band), 5 pixels either side of the
// middle along that edge; the square's mark first in the order of the numbers.
std::pair<QPoint, QPoint> markPlaces(int n)
{
    const QRect r = overviewRect(n);
    const QPoint c = r.center();
    switch (n <= 9 ? 1 : n <= 18 ? 2 : n <= 27 ? 3 : 4) {
    case 1: return {{c.x() - 5, r.top() + 5}, {c.x() + 5, r.top() + 5}};
    case 2: return {{r.right() - 5, c.y() - 5}, {r.right() - 5, c.y() + 5}};
    case 3: return {{c.x() + 5, r.bottom() - 5}, {c.x() - 5, r.bottom() - 5}};
    default: return {{r.left() + 5, c.y() + 5}, {r.left() + 5, c.y() - 5}};
    }
}

// Two marks on each square: the square (green placed as its texts say, orange not), and its
// deed (green made and up to date, red out of date, an open circle not made). The selected
// square gets a blue frame. Clicks go through to the overview below.
class ProgressMarks : public QWidget
{
public:
    ProgressMarks(const Algemeen &state, QWidget *overview) : QWidget(overview), m_state(state)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(overview->rect());
        overview->installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor green(0, 150, 0), orange(240, 140, 0), red(210, 0, 0);
        for (int n = 1; n <= 36; ++n) {
            const SquareProgress progress = ProgressOfSquare(m_state, n);
            if (!progress.placeable)
                continue;
            const auto [squareMark, deedMark] = markPlaces(n);
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(progress.placed ? green : orange);
            p.drawEllipse(squareMark, 4, 4);
            if (progress.hasDeed) {
                p.setPen(QPen(progress.deedMade ? Qt::white : red, progress.deedMade ? 1 : 2));
                p.setBrush(!progress.deedMade ? QBrush(Qt::white) : progress.deedDiffers.isEmpty() ? QBrush(green) : QBrush(red));
                p.drawEllipse(deedMark, 4, 4);
            }
        }
        const int selected = m_state.CurrentSquare;
        if (selected >= 1 && selected <= 36 && !IsCardSquare(selected)) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 70, 220), 3));
            p.drawRect(overviewRect(selected).adjusted(1, 1, -1, -1));
        }
    }

    // The overview's tooltip says in words what the marks of the square under the pointer mean.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QWidget::eventFilter(watched, event);
        auto *help = static_cast<QHelpEvent *>(event);
        const int n = HitSquare(help->pos().x() * Twips, help->pos().y() * Twips);
        if (n == 0) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("Vakje %1: %2").arg(n).arg(ProgressText(ProgressOfSquare(m_state, n))),
                               parentWidget());
        }
        return true;
    }

private:
    const Algemeen &m_state;
};
}

void Main::connectTownMenus()
{
    QMenu *tools = menuAction(QStringLiteral("Tools"))->menu();
    tools->addSeparator();
    connect(tools->addAction(QStringLiteral("Alle vakjes...")), &QAction::triggered, this, &Main::openSquareTable);
    connect(tools->addAction(QStringLiteral("Alles plaatsen en eigendomsbewijzen maken")), &QAction::triggered, this,
            &Main::placeEverything);
    connect(tools->addAction(QStringLiteral("Eigendomsbewijzen bijwerken")), &QAction::triggered, this,
            &Main::updateAllDeeds);

    Voortgang = new ProgressMarks(m_state, Pic);
    // After the editor has chosen its square, and after every change to the design.
    connect(Pic, &PictureLabel::pressed, Voortgang, qOverload<>(&QWidget::update));
    connect(Pic, &PictureLabel::stepped, Voortgang, qOverload<>(&QWidget::update));
    connect(&history(), &DesignHistory::designChanged, Voortgang, qOverload<>(&QWidget::update));
}

void Main::afterTownChange()
{
    showBoard();
    // The editor shows the selected square as it now is.
    if (m_state.CurrentSquare)
        EditSquare(m_state.CurrentSquare);
    Voortgang->update();
}

void Main::openSquareTable()
{
    bool changed = false;
    const QMetaObject::Connection watch =
        connect(&history(), &DesignHistory::designChanged, this, [&changed] { changed = true; });
    SquareTableForm form(m_state, m_dialogs, this);
    form.exec();
    disconnect(watch);
    if (changed)
        afterTownChange();
}

void Main::placeEverything()
{
    {
        const BusyPointer busy;
        PlaceAllAndMakeDeeds(m_state);
    }
    afterTownChange();
}

void Main::updateAllDeeds()
{
    {
        const BusyPointer busy;
        UpdateDeeds(m_state);
    }
    afterTownChange();
}
