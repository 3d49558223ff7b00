#pragma once
// "Alle vakjes": the 36 squares in one table (number, kind, colour, street, city, amount and how
// far each is done), edited in place with the square editor's rules; the table to and from a
// spreadsheet file; every square placed and every deed made in one step.

#include "model/algemeen.h"

#include <QAbstractTableModel>
#include <QDialog>

class Dialogs;
class QLabel;
class QPushButton;
class QTableView;

class SquareTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NumberColumn, KindColumn, ColourColumn, StreetColumn, CityColumn, AmountColumn,
                  ProgressColumn, Columns };
    explicit SquareTableModel(Algemeen &state, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A text the square has, written into it as one step ("vakje n wijzigen"). A text with a
    // character a project cannot keep is refused whole (false) and `refusal()` says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // The whole table read anew from the design.
    void refresh();
    QString refusal() const { return m_refusal; }
    // Whether the text of `column` will show cut on the square or the deed.
    static bool textIsCut(int column, const QString &text);

signals:
    void refused(const QString &message);

private:
    Algemeen &m_state;
    QString m_refusal;
};

class SquareTableForm : public QDialog
{
    Q_OBJECT
public:
    SquareTableForm(Algemeen &state, Dialogs &dialogs, QWidget *parent = nullptr);

    SquareTableModel *model() const { return m_model; }
    QTableView *Tabel = nullptr;
    QLabel *Melding = nullptr;  // refusals and the cut-off warning
    QPushButton *ImportKnop = nullptr;
    QPushButton *ExportKnop = nullptr;
    QPushButton *PlaatsKnop = nullptr;
    QPushButton *BijwerkKnop = nullptr;
    QPushButton *ExitKnop = nullptr;

    void importTable();
    void exportTable();
    void placeAll();
    void updateDeeds();

private:
    void showCurrentWarning();
    void refresh();
    Algemeen &m_state;
    Dialogs &m_dialogs;
    SquareTableModel *m_model = nullptr;
};
