#include "windows/squaretableform.h"

#include "files/projectfiles.h"
#include "files/savefile.h"
#include "windows/textguard.h"
#include "model/boardrules.h"
#include "drawing/squarerenderer.h"
#include "drawing/deeddrawing.h"
#include "design/townedits.h"
#include "files/squaretable.h"
#include "platform/busypointer.h"
#include "dialogs/dialogs.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString CutWarning = QStringLiteral("Te lang: wordt afgekapt");
// The most refusals listed in a message; the rest are counted.
constexpr int ListedRefusals = 15;

QString listed(const QStringList &lines)
{
    QStringList shown = lines.mid(0, ListedRefusals);
    for (QString &line : shown)
        line.prepend(QStringLiteral("- "));
    if (lines.size() > ListedRefusals)
        shown << QStringLiteral("... en nog %1").arg(lines.size() - ListedRefusals);
    return shown.join(QLatin1Char('\n'));
}

// The line edit of a table cell refuses what the square editor's fields refuse, as they do.
class GuardedDelegate : public QStyledItemDelegate
{
public:
    GuardedDelegate(std::function<void(const QString &)> show, QObject *parent)
        : QStyledItemDelegate(parent), m_show(std::move(show))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            InstallStorableTextGuard(line, m_show);
        return editor;
    }

private:
    std::function<void(const QString &)> m_show;
};

const char *const Headers[SquareTableModel::Columns] = {"Nr", "Soort", "Kleur", "Straatnaam", "Plaats",
                                                         "Huur Onbebouwd", "Stand"};
}

SquareTableModel::SquareTableModel(Algemeen &state, QObject *parent) : QAbstractTableModel(parent), m_state(state) {}

int SquareTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 36; }

int SquareTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Columns; }

bool SquareTableModel::textIsCut(int column, const QString &text)
{
    switch (column) {
    case StreetColumn: return SquareTextIsCut(text, MeasuringLabel::Text1Label) || DeedNameIsCut(text);
    case CityColumn: return SquareTextIsCut(text, MeasuringLabel::Text2Label) || DeedNameIsCut(text);
    case AmountColumn: return SquareTextIsCut(text, MeasuringLabel::Text3Label);
    default: return false;
    }
}

namespace {
bool hasField(int n, int column)
{
    const SquareFields has = FieldsOfSquare(n);
    return (column == SquareTableModel::StreetColumn && has.street) || (column == SquareTableModel::CityColumn && has.city)
           || (column == SquareTableModel::AmountColumn && has.amount);
}

QString &field(BoardSquare &s, int column)
{
    return column == SquareTableModel::StreetColumn ? s.Street : column == SquareTableModel::CityColumn ? s.City : s.Amount;
}
}

QVariant SquareTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int n = index.row() + 1;
    const int column = index.column();
    const bool text = column == StreetColumn || column == CityColumn || column == AmountColumn;
    BoardSquare square = m_state.project.Board[n];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (column) {
        case NumberColumn: return n;
        case KindColumn: return SquareKindName(n);
        case ProgressColumn: return ProgressText(ProgressOfSquare(m_state, n));
        default: return text && hasField(n, column) ? field(square, column) : QVariant();
        }
    }
    if (role == Qt::DecorationRole && column == ColourColumn && IsStreet(n)) {
        const RgbColour c = m_state.squareColour[n];
        return QColor(c.red, c.green, c.blue);
    }
    const bool cut = text && hasField(n, column) && textIsCut(column, field(square, column));
    if (role == Qt::ForegroundRole && cut)
        return QColor(170, 0, 0);
    if (role == Qt::ToolTipRole && cut)
        return CutWarning;
    if (role == Qt::ForegroundRole && column == ProgressColumn && !ProgressOfSquare(m_state, n).done())
        return QColor(170, 90, 0);
    if (role == Qt::BackgroundRole && !FieldsOfSquare(n).amount)
        return QColor(225, 225, 225);
    return {};
}

QVariant SquareTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(Headers[section]);
}

Qt::ItemFlags SquareTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && hasField(index.row() + 1, index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool SquareTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !hasField(index.row() + 1, index.column()))
        return false;
    const int n = index.row() + 1;
    const QString text = value.toString();
    if (const QChar c = FirstRefusedCharacter(text); !c.isNull()) {
        m_refusal = UnstorableCharacterMessage(c);
        emit refused(m_refusal);
        return false;
    }
    SquareRow row{n, m_state.project.Board[n]};
    field(row.texts, index.column()) = text;
    if (!SetSquareTexts(m_state, {row}, QStringLiteral("vakje %1 wijzigen").arg(n)))
        return true;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), Columns - 1));
    return true;
}

void SquareTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}

SquareTableForm::SquareTableForm(Algemeen &state, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Alle vakjes"));
    m_model = new SquareTableModel(state, this);
    Tabel = new QTableView(this);
    Tabel->setModel(m_model);
    Tabel->verticalHeader()->hide();
    Tabel->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabel->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    Melding = new QLabel(this);
    Melding->setWordWrap(true);
    Melding->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0)"));
    Tabel->setItemDelegate(new GuardedDelegate([this](const QString &m) { Melding->setText(m); }, this));
    Tabel->resizeColumnsToContents();
    Tabel->horizontalHeader()->setStretchLastSection(true);

    ImportKnop = new QPushButton(QStringLiteral("Importeren..."), this);
    ExportKnop = new QPushButton(QStringLiteral("Exporteren..."), this);
    PlaatsKnop = new QPushButton(QStringLiteral("Alles plaatsen en eigendomsbewijzen maken"), this);
    BijwerkKnop = new QPushButton(QStringLiteral("Eigendomsbewijzen bijwerken"), this);
    ExitKnop = new QPushButton(QStringLiteral("Sluiten"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {ImportKnop, ExportKnop, PlaatsKnop, BijwerkKnop})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ExitKnop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Tabel);
    layout->addWidget(Melding);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(m_model, &SquareTableModel::refused, Melding, &QLabel::setText);
    connect(m_model, &SquareTableModel::dataChanged, this, &SquareTableForm::showCurrentWarning);
    connect(Tabel->selectionModel(), &QItemSelectionModel::currentChanged, this, &SquareTableForm::showCurrentWarning);
    connect(ImportKnop, &QPushButton::clicked, this, &SquareTableForm::importTable);
    connect(ExportKnop, &QPushButton::clicked, this, &SquareTableForm::exportTable);
    connect(PlaatsKnop, &QPushButton::clicked, this, &SquareTableForm::placeAll);
    connect(BijwerkKnop, &QPushButton::clicked, this, &SquareTableForm::updateDeeds);
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::accept);
}

// The cell in hand: its cut-off warning, in words, below the table.
void SquareTableForm::showCurrentWarning()
{
    const QModelIndex current = Tabel->currentIndex();
    const QVariant tip = current.isValid() ? m_model->data(current, Qt::ToolTipRole) : QVariant();
    Melding->setText(tip.toString());
}

void SquareTableForm::refresh()
{
    m_model->refresh();
    Tabel->resizeColumnsToContents();
    showCurrentWarning();
}

void SquareTableForm::importTable()
{
    const auto path = m_dialogs.askOpenFile(this, QStringLiteral(" Importeren"),
                                            QStringLiteral("Spreadsheet (*.csv *.txt);;Alle bestanden (*)"));
    if (!path)
        return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.showMessage(this, QStringLiteral("Het bestand kan niet worden gelezen:\n%1").arg(QDir::toNativeSeparators(*path)),
                              QStringLiteral(" Importeren"), Dialogs::Icon::Warning);
        return;
    }
    const SquareTableRead table = ReadSquareTable(file.read(MaxSquareTableBytes + 1), &m_state.project);
    if (table.rows.empty() && table.refused.isEmpty()) {
        m_dialogs.showMessage(this, QStringLiteral("Alle vakjes in het bestand zijn al zoals het bestand zegt."),
                              QStringLiteral(" Importeren"), Dialogs::Icon::Information);
        return;
    }
    if (table.rows.empty()) {
        const QStringList &why = table.refused;
        m_dialogs.showMessage(this, QStringLiteral("Er is niets overgenomen.\n\n%1").arg(listed(why)),
                              QStringLiteral(" Importeren"), Dialogs::Icon::Warning);
        return;
    }
    if (!table.refused.isEmpty()
        && !m_dialogs.askYesNo(this,
                               QStringLiteral("Niet overgenomen:\n%1\n\nDe %2 andere vakjes overnemen?")
                                   .arg(listed(table.refused)).arg(table.rows.size()),
                               QStringLiteral(" Importeren"), Dialogs::Icon::Warning, Dialogs::Answer::No))
        return;
    SetSquareTexts(m_state, table.rows, QStringLiteral("vakjes importeren"));
    refresh();
}

void SquareTableForm::exportTable()
{
    const QString name = m_state.project.ProjectName.isEmpty() ? QStringLiteral("Vakjes") : m_state.project.ProjectName;
    const auto path = m_dialogs.askSaveFile(this, QStringLiteral(" Exporteren"), QDir::home().filePath(name + QStringLiteral(".csv")),
                                            QStringLiteral("Spreadsheet (*.csv)"), QStringLiteral("csv"));
    if (!path)
        return;
    QString error;
    if (!WriteFileWhole(*path, SquareTableFileBytes(m_state.project), &error))
        m_dialogs.showMessage(this, QStringLiteral("De tabel is niet bewaard.\n\n%1").arg(error),
                              QStringLiteral(" Exporteren"), Dialogs::Icon::Critical);
}

void SquareTableForm::placeAll()
{
    const BusyPointer busy;
    PlaceAllAndMakeDeeds(m_state);
    refresh();
}

void SquareTableForm::updateDeeds()
{
    const BusyPointer busy;
    UpdateDeeds(m_state);
    refresh();
}
