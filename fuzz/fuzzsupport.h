#pragma once
// What the targets that read files share: a scratch folder of their own for each process, the
// input cut into the files of a folder, and the checks every target makes.
//
// A folder's files come from one input cut at each separator line "\n==8<==\n", in the order
// the target names them; a part that is just "-" leaves that file out, and parts beyond the
// input are empty files.

#include "model/algemeen.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fuzz {

inline const QByteArray Separator("\n==8<==\n");

// Stops the run when something that must always hold does not: libFuzzer keeps the input.
inline void Require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline std::vector<QByteArray> Parts(const QByteArray &input, int count)
{
    std::vector<QByteArray> parts;
    qsizetype from = 0;
    while (int(parts.size()) < count) {
        const qsizetype at = input.indexOf(Separator, from);
        if (at < 0 || int(parts.size()) == count - 1) {
            parts.push_back(input.mid(from));
            from = input.size();
            break;
        }
        parts.push_back(input.mid(from, at - from));
        from = at + Separator.size();
    }
    while (int(parts.size()) < count)
        parts.push_back(QByteArray());
    return parts;
}

// The parts joined back into one input: how the seed files are made.
inline QByteArray Join(const std::vector<QByteArray> &parts)
{
    QByteArray all;
    for (size_t i = 0; i < parts.size(); ++i)
        all += (i ? Separator : QByteArray()) + parts[i];
    return all;
}

// The application the program runs in, without a screen.
inline void StartApplication(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
}

// root/outer/werk: the reader works in werk, emptied before each run. Anything that appears
// beside werk or beside outer was written outside the reader's folder.
class Scratch
{
public:
    Scratch()
    {
        Require(m_root.isValid(), "no temporary folder");
        QDir(m_root.path()).mkpath(QStringLiteral("outer/werk"));
        m_rootEntries = entries(m_root.path());
    }
    QString work() const { return m_root.filePath(QStringLiteral("outer/werk")); }
    QString path(const QString &relative) const { return QDir(work()).filePath(relative); }
    // Where a target keeps what it prepared once, beside outer.
    QString root() const { return m_root.path(); }
    void noteRootEntries() { m_rootEntries = entries(m_root.path()); }

    void reset()
    {
        QDir(work()).removeRecursively();
        QDir().mkpath(work());
    }
    // Writes `bytes` at `relative`, making its folders; the part "-" writes nothing.
    void write(const QString &relative, const QByteArray &bytes)
    {
        if (bytes == "-")
            return;
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    void requireNothingOutside() const
    {
        Require(entries(m_root.path()) == m_rootEntries, "written beside the scratch folder");
        Require(entries(m_root.filePath(QStringLiteral("outer"))) == QStringList{QStringLiteral("werk")},
                "written outside the reader's folder");
    }

private:
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }
    QTemporaryDir m_root;
    QStringList m_rootEntries;
};

inline bool SameProject(const Project &a, const Project &b)
{
    if (a.ProjectName != b.ProjectName || a.StationImage != b.StationImage || a.KansDeck != b.KansDeck
        || a.FondsDeck != b.FondsDeck)
        return false;
    for (int n = 0; n < SquareSlots; ++n)
        if (a.Board[n].Street != b.Board[n].Street || a.Board[n].City != b.Board[n].City
            || a.Board[n].Amount != b.Board[n].Amount)
            return false;
    return true;
}

inline bool SameDrawing(const DesignDrawing &a, const DesignDrawing &b)
{
    for (size_t n = 0; n < a.squares.size(); ++n) {
        const auto &x = a.squares[n];
        const auto &y = b.squares[n];
        if (bool(x) != bool(y)
            || (x && (x->street != y->street || x->city != y->city || x->amount != y->amount
                      || x->stationImage != y->stationImage)))
            return false;
    }
    for (size_t n = 0; n < a.deeds.size(); ++n) {
        const auto &x = a.deeds[n];
        const auto &y = b.deeds[n];
        if (bool(x) != bool(y)
            || (x && (x->kind != y->kind || x->street != y->street || x->city != y->city
                      || x->base != y->base || x->factors != y->factors || x->stationImage != y->stationImage)))
            return false;
    }
    return true;
}

// Every station picture a drawing names is one of the 30, and slot 0 stays empty.
inline void RequireSoundDrawing(const DesignDrawing &d)
{
    Require(!d.squares[0] && !d.deeds[0], "a drawing entry for square 0");
    for (const auto &s : d.squares)
        Require(!s || (s->stationImage >= 0 && s->stationImage < StationPictures), "square station picture out of range");
    for (const auto &p : d.deeds)
        Require(!p || (p->stationImage >= 0 && p->stationImage < StationPictures), "deed station picture out of range");
}

// The parts of the open design a reader may change, to compare before and after.
struct Snapshot {
    explicit Snapshot(const Algemeen &s)
        : project(s.project), drawing(s.drawing), board(s.pictures.Speelbord.cacheKey()),
          deeds(s.pictures.EigenDomsPic.cacheKey()), window(s.WindowColour), factors(s.RentFactors),
          unsaved(s.UnsavedChanges), sharp(s.SharpPrinting)
    {
    }
    bool operator==(const Snapshot &o) const
    {
        return SameProject(project, o.project) && SameDrawing(drawing, o.drawing) && board == o.board
               && deeds == o.deeds && window == o.window && factors == o.factors && unsaved == o.unsaved
               && sharp == o.sharp;
    }
    Project project;
    DesignDrawing drawing;
    qint64 board, deeds;
    RgbColour window;
    std::array<qint32, FactorSlots> factors;
    bool unsaved, sharp;
};

}  // namespace fuzz
