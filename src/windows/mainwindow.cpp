#include "windows/mainwindow.h"

#include "model/dateline.h"
#include "design/recovery.h"
#include "design/undocommands.h"
#include "files/settingsfile.h"
#include "design/startup.h"
#include "windows/textguard.h"
#include "artwork/artwork.h"
#include "drawing/fonts.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "dialogs/printers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTime>
#include <QTimer>

using namespace formlayout;

namespace {
const QColor TemplateBackground(225, 239, 217);
const QColor EditorBackground(230, 230, 170);
const QColor FrameColour(110, 150, 100);
const QColor InfoText(20, 60, 0);

const char16_t *const instructions[7] = {
    u"1. Selecteer èèn van de genummerde vakjes (1..36) voor bewerking",
    u"2. Wijzig eventueel de Straatnaam, Plaats en Huur Onbebouwd",
    u"3. Klik dan op de button 'Save' om de kaart op het Speelbord te plaatsen",
    u"4. Klik daarna op de button 'Kaart' om het Eigendomsbewijs te ontwerpen",
    u"5. Na het ontwerpen van het Eigendomsbewijs, klik op de button 'Ok'",
    u"6. Na alle kaartjes te hebben ontworpen en opgeslagen, klikt u op het",
    u"7. Menu-item 'Bestand / Project Opslaan' om het Project te saven.",
};
}

void PictureLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->position().toPoint());
}

// A double click on the small board would otherwise go back to the overview with its first
// press and choose the square under the pointer with its second, dropping unplaced edits.
void PictureLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit stepped(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit stepped(-1);
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

Main::Main(Algemeen &state, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs)
{
    // Steps 1 and 2: the default colour and the window's size.
    m_state.WindowColour = DefaultWindowColour;
    setWindowTitle(ProgramTitle());
    setFont(ArialFont(8.25));
    auto *client = new QWidget(this);
    setCentralWidget(client);
    setColour(client, QPalette::Window, QColor(220, 220, 190));
    buildMenu();
    setFixedSize(13500 / Twips, 8400 / Twips);

    // Step 3: the controls; the clock runs from the moment the window exists.
    layOutControls();
    connectDeedWindows();
    connectSquareEditor();
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &Main::tick);
    Timer1->start();

    // Steps 4 to 9 need no window.
    const bool settingsRead = LoadStartState(m_state);
    showBoard();
    ShowDateLine();

    // Step 6: the placeholder with its frame.
    templateImage = DrawPlaceholder();
    {
        QPainter p(&templateImage);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 179, 279);
    }
    showTemplate();

    // Step 10, only when the settings file was read whole.
    if (settingsRead)
        ApplyWindowColour(m_state.WindowColour.red, m_state.WindowColour.green,
                          m_state.WindowColour.blue);
    setUpHistory();
    connectTownMenus();
    giveMenusKeys();
}

// The desktop's own keys for the common entries, and a marker on every entry for Alt+letter.
void Main::giveMenusKeys()
{
    const struct {
        const char *entry;
        QKeySequence::StandardKey key;
    } keys[] = {
        {"Bestand/Nieuw Project", QKeySequence::New},
        {"Bestand/Open Project", QKeySequence::Open},
        {"Bestand/Project Opslaan", QKeySequence::Save},
        {"Bestand/Exit", QKeySequence::Quit},
        {"Bestand/Alles afdrukken...", QKeySequence::Print},
        {"Help/Help (Pdf)", QKeySequence::HelpContents},
    };
    for (const auto &k : keys)
        menuAction(QString::fromLatin1(k.entry))->setShortcuts(k.key);
    AddMnemonics(menuBar()->actions());
    AddButtonMnemonics(this);
    formlayout::tabOrder({Pic, Text1, Text2, Combo1, SaveKnop, KaartKnop});
}

Main::~Main() = default;

void Main::layOutControls()
{
    QWidget *client = centralWidget();

    // The information bar.
    MenuPic = new QWidget(client);
    QWidget *menuPic = MenuPic;
    place(menuPic, 105, 90, 13230, 450);
    setColour(menuPic, QPalette::Window, QColor(130, 170, 0));
    const QFont barFont = ArialFont(12, true);
    InfoRegel = label(menuPic, QStringLiteral("Datum"), 90, 60);
    Label9 = label(menuPic, QStringLiteral("Projectnaam :"), 4500, 60);
    KlokLabel = label(menuPic, QStringLiteral("00:00:00"), 12090, 60);
    for (QLabel *l : {InfoRegel, Label9, KlokLabel}) {
        l->setFont(barFont);
        setColour(l, QPalette::WindowText, InfoText);
        l->adjustSize();
    }

    // The board overview, its frame and the number strips.
    panel(client, 495, 990, 6180, 6180, FrameColour);
    Pic = new PictureLabel(client);
    place(Pic, 585, 1080, 6000, 6000);
    Pic->setCursor(Qt::PointingHandCursor);  // a square is there to be clicked
    Pic->setFocusPolicy(Qt::TabFocus);
    Image1 = new PictureLabel(client);
    place(Image1, 585, 1080, 6000, 6000);
    Image1->setToolTip(QStringLiteral(" Klik voor het vorige scherm "));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->hide();
    connect(Image1, &PictureLabel::pressed, this, [this] { toggleBoardView(); });

    const int stripPlaces[4][4] = {{510, 690, 6180, 300}, {6720, 990, 315, 6180},
                                   {510, 7200, 6180, 300}, {150, 990, 315, 6180}};
    for (int i = 0; i < 4; ++i) {
        numberStrips[i] = new QLabel(client);
        place(numberStrips[i], stripPlaces[i][0], stripPlaces[i][1], stripPlaces[i][2], stripPlaces[i][3]);
        numberStrips[i]->setPixmap(QPixmap::fromImage(
            DrawNumberStrip(NumberStrip(i), m_state.WindowColour)));
    }

    // The square preview and its editor.
    Label4 = label(client, QStringLiteral("Kaart : 0"), 7230, 720);
    panel(client, 7200, 990, 2895, 4395, FrameColour);
    Orgineel = new QLabel(client);
    place(Orgineel, 7290, 1080, 2700, 4200);
    setColour(Orgineel, QPalette::Window, TemplateBackground);
    Orgineel->setFont(ArialFont(14.25, true));

    SaveKnop = button(client, QStringLiteral("Save"), 10350, 1320, 750, 300);
    label(client, QStringLiteral("Plaatsen op Speelbord"), 11190, 1365);
    label(client, QStringLiteral("Straatnaam"), 10365, 1950);
    Text1 = new QLineEdit(client);
    place(Text1, 10350, 2190, 2400, 300);
    label(client, QStringLiteral("Plaats"), 10365, 2730);
    Text2 = new QLineEdit(client);
    place(Text2, 10350, 2970, 2400, 300);
    label(client, QStringLiteral("Huur Onbebouwd"), 10365, 3510);
    Combo1 = new QComboBox(client);
    Combo1->setEditable(true);
    Combo1->setCompleter(nullptr);  // what is typed is drawn and stored as typed
    place(Combo1, 10350, 3750);
    Combo1->resize(1350 / Twips, Combo1->sizeHint().height());
    for (int amount = 10; amount <= 990; amount += 10)
        Combo1->addItem(QStringLiteral("€ %1,-").arg(amount));
    Combo1->setCurrentIndex(10);
    for (QWidget *w : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                       static_cast<QWidget *>(Combo1)}) {
        setColour(w, QPalette::Base, EditorBackground);
        w->setEnabled(false);
    }
    InstallStorableTextGuard(Text1);
    InstallStorableTextGuard(Text2);
    InstallStorableTextGuard(Combo1->lineEdit());
    // Under each field, away from the buttons: a warning while its text will be cut off.
    const int warningTops[3] = {2505, 3285, 3750 + Combo1->height() * Twips + 15};
    for (int i = 0; i < 3; ++i) {
        TeLangLabel[i] = label(client, QStringLiteral("Te lang: wordt afgekapt"), 10365, warningTops[i],
                               QColor(170, 0, 0));
        TeLangLabel[i]->setToolTip(i == 2 ? QStringLiteral("Dit bedrag is breder dan het vakje en wordt "
                                                           "aan beide kanten afgekapt.")
                                          : QStringLiteral("Deze naam is breder dan het vakje of het "
                                                           "eigendomsbewijs en wordt aan beide kanten "
                                                           "afgekapt."));
        TeLangLabel[i]->hide();
    }
    KaartKnop = button(client, QStringLiteral("Kaart"), 10350, 4500, 750, 300);
    label(client, QStringLiteral("Eigendomsbewijs maken"), 11190, 4545);
    SaveKnop->setEnabled(false);
    KaartKnop->setEnabled(false);

    // The instructions.
    QStringList lines;
    for (const char16_t *line : instructions)
        lines << QString::fromUtf16(line);
    Label10 = new QLabel(lines.join(QLatin1Char('\n')), client);
    place(Label10, 7380, 5700, 5790, 1800);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(Label10, QPalette::WindowText, QColor(60, 60, 0));
}

void Main::buildMenu()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("Bestand"));
    connect(file->addAction(QStringLiteral("Nieuw Project")), &QAction::triggered, this, &Main::FileNew);
    connect(file->addAction(QStringLiteral("Open Project")), &QAction::triggered, this, &Main::FileOpen);
    connect(file->addAction(QStringLiteral("Project Opslaan")), &QAction::triggered, this, &Main::FileSave);
    connect(file->addAction(QStringLiteral("Project delen...")), &QAction::triggered, this, &Main::shareProject);
    connect(file->addAction(QStringLiteral("Project ophalen...")), &QAction::triggered, this, &Main::fetchProject);
    connect(file->addAction(QStringLiteral("Exporteren als PDF...")), &QAction::triggered, this,
            &Main::exportPdf);
    connect(file->addAction(QStringLiteral("Speelbord als afbeelding...")), &QAction::triggered, this,
            &Main::exportBoardPicture);
    file->addSeparator();
    file->addAction(QStringLiteral("Alles afdrukken..."));
    QMenu *print = file->addMenu(QStringLiteral("Afdrukken"));
    print->addAction(QStringLiteral("Speelbord"));
    print->addAction(QStringLiteral("Eigendomsbewijzen"));
    print->addSeparator();
    print->addAction(QStringLiteral("Scherp afdrukken"))->setCheckable(true);
    print->addAction(QStringLiteral("Setup Printer"));
    file->addSeparator();
    connect(file->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &QWidget::close);

    QMenu *cards = bar->addMenu(QStringLiteral("Kaarten"));
    cards->addAction(QStringLiteral("Kans Kaarten"));
    cards->addAction(QStringLiteral("Algemeen Fonds"));
    cards->addAction(QStringLiteral("Speelgeld"));

    QMenu *tools = bar->addMenu(QStringLiteral("Tools"));
    connect(tools->addAction(QStringLiteral("Instellingen")), &QAction::triggered, this,
            &Main::openKleurForm);
    tools->addAction(QStringLiteral("Vermenigvuldigingsfactor"));
    connect(tools->addAction(QStringLiteral("Spel en plaats")), &QAction::triggered, this, &Main::openSpelForm);

    QMenu *show = bar->addMenu(QStringLiteral("Show"));
    show->addAction(QStringLiteral("Speelbord Groot"));
    ShowBordKlein = show->addAction(QStringLiteral("Speelbord Klein"));
    ShowBordKlein->setCheckable(true);
    connect(ShowBordKlein, &QAction::triggered, this, [this] { toggleBoardView(); });
    show->addAction(QStringLiteral("Eigendomsbewijzen"));

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Help (Pdf)"));
    help->addSeparator();
    QMenu *rules = help->addMenu(QStringLiteral("Spelregels"));
    rules->addAction(QStringLiteral("Orgineel"));
    rules->addAction(QStringLiteral("Junior"));
    rules->addAction(QStringLiteral("Thema"));
    help->addAction(QStringLiteral("Meer Software"));

    connectPrintMenu();
    connectCardMenu();
    connectViewMenus();
}

QAction *Main::menuAction(const QString &path) const
{
    const QStringList parts = path.split(QLatin1Char('/'));
    QList<QAction *> actions = menuBar()->actions();
    QAction *found = nullptr;
    for (const QString &part : parts) {
        found = nullptr;
        for (QAction *a : actions) {
            if (WithoutMnemonic(a->text()) == part) {
                found = a;
                break;
            }
        }
        if (!found)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction *>();
    }
    return found;
}

void Main::ApplyWindowColour(int red, int green, int blue)
{
    const RgbColour colour{qBound(0, red, 255), qBound(0, green, 255), qBound(0, blue, 255)};
    setColour(centralWidget(), QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    for (int i = 0; i < 4; ++i)
        numberStrips[i]->setPixmap(QPixmap::fromImage(DrawNumberStrip(NumberStrip(i), colour)));
}

void Main::ShowDateLine()
{
    InfoRegel->setText(DateLine(QDate::currentDate()));
    InfoRegel->adjustSize();
}

void Main::toggleBoardView()
{
    const bool showBoardNow = Pic->isVisible() || !Image1->isVisible();
    Pic->setVisible(!showBoardNow);
    Image1->setVisible(showBoardNow);
    ShowBordKlein->setChecked(showBoardNow);
}

void Main::showTemplate()
{
    Orgineel->setPixmap(QPixmap::fromImage(templateImage));
    Orgineel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Main::showBoard()
{
    const QImage &board = m_state.pictures.Speelbord;
    Image1->setPixmap(board.isNull() ? QPixmap()
                                     : QPixmap::fromImage(board.scaled(
                                           400, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    // The overview's banner follows the game's title.
    Pic->setPixmap(QPixmap::fromImage(m_state.pictures.Overview));
}

void Main::tick()
{
    KlokLabel->setText(ClockText(QTime::currentTime()));
    KlokLabel->adjustSize();
}

void Main::closeEvent(QCloseEvent *event)
{
    if (m_state.UnsavedChanges
        && !m_dialogs.askYesNo(this,
                               QStringLiteral("Wijzigingen zijn nog niet opgeslagen...\n"
                                              "wilt u het programma toch sluiten?"),
                               QStringLiteral(" Sluiten"), Dialogs::Icon::Question,
                               Dialogs::Answer::No)) {
        event->ignore();
        return;
    }
    WriteSettingsFile(m_state.settingsPath(), m_state);
    m_recovery.reset();  // a normal close leaves nothing to recover
    event->accept();
}
