#include "files/projectfiles.h"
#include "files/drawingfile.h"

#include "model/boardrules.h"

#include "files/bmpfile.h"
#include "files/recordfile.h"
#include "files/projectsave.h"
#include "files/picturefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString Separator = QStringLiteral("--------------------");
constexpr int MaxNameLength = 100;
// Texts read from a file are cut to this length.
constexpr int MaxTextLength = 1000;

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

// The project file and the project folder of `name` in the folder `projects`.
QString projectFilePath(const QString &projects, const QString &name)
{
    return QDir(projects).filePath(name + QStringLiteral(".vgd"));
}

QString projectFolderPath(const QString &projects, const QString &name)
{
    return QDir(projects).filePath(name);
}

bool isReservedDeviceName(const QString &name)
{
    QString base = name.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.toUpper();
    static const QStringList fixed{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (fixed.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))) {
        const QChar d = base[3];
        return (d >= u'1' && d <= u'9') || d == u'\u00B9' || d == u'\u00B2' || d == u'\u00B3';
    }
    return false;
}

std::optional<QByteArray> readSmallFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(MaxRecordFileBytes + 1);
    if (bytes.size() > MaxRecordFileBytes)
        return std::nullopt;
    return bytes;
}

// Control characters cannot be typed into the editors; a text from a file loses them, and
// is cut to a length the windows can show.
QString cleanText(const QString &text)
{
    QString out;
    out.reserve(qMin<qsizetype>(text.size(), MaxTextLength));
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            continue;
        out.append(c);
        if (out.size() >= MaxTextLength)
            break;
    }
    return out;
}

std::optional<QString> readText(RecordReader &reader)
{
    const auto f = reader.field();
    if (!f)
        return std::nullopt;
    return cleanText(*f);
}

bool removeLink(const QString &path)
{
    return QFile::remove(path) || QDir().rmdir(path);
}

bool isLink(const QFileInfo &info) { return info.isSymLink() || info.isJunction(); }
}

QChar FirstRefusedCharacter(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || !FirstUnstorableCharacter(QString(c)).isNull())
            return c;
    return QChar();
}

QString ProjectsFolder(const ProgramPaths &paths)
{
    return paths.projectsFolder();
}

QString ProjectNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Geef een naam voor het project.");
    if (name.size() > MaxNameLength)
        return QStringLiteral("De projectnaam is te lang (ten hoogste %1 tekens).").arg(MaxNameLength);
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("De projectnaam mag geen stuurtekens (zoals een regelovergang) bevatten.");
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return QStringLiteral("De projectnaam mag geen van deze tekens bevatten:  \\ / : * ? \" < > |");
    }
    const QChar bad = FirstUnstorableCharacter(name);
    if (!bad.isNull())
        return QStringLiteral("Het teken '%1' kan niet in een projectbestand worden bewaard.").arg(bad);
    const QChar first = name.front();
    const QChar last = name.back();
    if (first == u' ' || first == u'.' || last == u' ' || last == u'.')
        return QStringLiteral("De projectnaam mag niet met een spatie of een punt beginnen of eindigen.");
    if (isReservedDeviceName(name))
        return QStringLiteral("De naam '%1' is gereserveerd voor een apparaat en kan geen projectnaam zijn.")
            .arg(name);
    return QString();
}

bool ProjectFolderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool ProjectExists(const ProgramPaths &paths, const QString &name)
{
    const QFileInfo file(projectFilePath(paths.projectsFolder(), name));
    const QFileInfo folder(projectFolderPath(paths.projectsFolder(), name));
    return file.exists() || file.isSymLink() || folder.exists() || folder.isSymLink();
}

std::optional<QByteArray> ProjectFileBytes(const Project &project, const QString &name, QString *error)
{
    RecordWriter w;
    auto fail = [error](const QString &what) {
        if (error)
            *error = what;
        return std::nullopt;
    };
    if (!w.textRecord(name))
        return fail(QStringLiteral("De projectnaam bevat een teken dat niet kan worden bewaard."));
    w.textRecord(Separator);
    w.number(qBound(0, int(project.StationImage), StationPictures - 1));
    w.endRecord();
    w.textRecord(Separator);
    for (int n = 0; n < SquareSlots; ++n) {
        const BoardSquare &sq = project.Board[n];
        w.number(n);
        const bool kept = FirstRefusedCharacter(sq.Street + sq.City + sq.Amount).isNull();
        if (!kept || !w.text(sq.Street) || !w.text(sq.City) || !w.text(sq.Amount))
            return fail(QStringLiteral("Vakje %1 bevat een teken dat niet kan worden bewaard.").arg(n));
        w.endRecord();
    }
    return w.bytes();
}

std::optional<QByteArray> DeckFileBytes(const Project &project, QString *error)
{
    RecordWriter w;
    auto writeDeck = [&](const CardDeck &deck, const QString &deckName) {
        for (int card = 1; card < CardSlots; ++card) {
            if (!FirstRefusedCharacter(deck[card]).isNull() || !w.textRecord(deck[card])) {
                if (error)
                    *error = QStringLiteral("%1-kaart %2 bevat een teken dat niet kan worden bewaard.")
                                 .arg(deckName)
                                 .arg(card);
                return false;
            }
        }
        return true;
    };
    if (!writeDeck(project.KansDeck, QStringLiteral("Kans")))
        return std::nullopt;
    w.textRecord(Separator);
    if (!writeDeck(project.FondsDeck, QStringLiteral("Algemeen Fonds")))
        return std::nullopt;
    return w.bytes();
}

bool WriteProjectFiles(const Algemeen &state, const QString &name, QString *error)
{
    return WriteProjectFilesTo(state, ProjectsFolder(state.Paths), name, error);
}

bool WriteProjectFilesTo(const Algemeen &state, const QString &projects, const QString &name,
                         QString *error, const SaveStepHook &hook)
{
    auto fail = [error](const QString &what) {
        if (error)
            *error = what;
        return false;
    };
    const QString problem = ProjectNameProblem(name);
    if (!problem.isEmpty())
        return fail(problem);

    // Everything is encoded first, so a text that cannot be stored stops the save before
    // a single file has changed.
    QString why;
    const auto deck = DeckFileBytes(state.project, &why);
    if (!deck)
        return fail(why);
    const auto projectFile = ProjectFileBytes(state.project, name, &why);
    if (!projectFile)
        return fail(why);
    const QByteArray board = EncodeBmp24(state.pictures.Speelbord);
    if (board.isEmpty())
        return fail(QStringLiteral("Er is geen speelbord om op te slaan."));
    const QByteArray deeds = EncodeBmp24(state.pictures.EigenDomsPic);
    if (deeds.isEmpty())
        return fail(QStringLiteral("Er is geen blad met eigendomsbewijzen om op te slaan."));

    const QByteArray drawing = DrawingFileBytes(state.drawing);
    const QByteArray game = GameFileBytes(GameFile{state.game, state.CardBorderColour});

    if (!QDir().mkpath(projects))
        return fail(QStringLiteral("De map '%1' kan niet worden gemaakt.").arg(native(projects)));
    const std::vector<FolderFile> files{
        {QStringLiteral("Speelbord.bmp"), board},
        {QStringLiteral("Eigendomsbewijzen.bmp"), deeds},
        {QStringLiteral("Kansfonds.kan"), *deck},
        {DrawingFileName(), drawing},
        {GameFileName(), game},
    };
    return SaveProjectSwap(projects, name, files, *projectFile, error, hook);
}

ProjectReadResult ReadProjectFiles(const ProgramPaths &paths, const QString &name,
                                   QSize boardSize, QSize deedSheetSize)
{
    return ReadProjectFilesFrom(ProjectsFolder(paths), name, boardSize, deedSheetSize);
}

ProjectReadResult ReadProjectFilesFrom(const QString &projects, const QString &name,
                                       QSize boardSize, QSize deedSheetSize)
{
    ProjectReadResult result;
    result.shownName = name;
    if (!ProjectNameProblem(name).isEmpty())
        return result;
    // A save stopped halfway is finished or undone before anything is read.
    FinishInterruptedSave(projects, name);
    const auto projectBytes = readSmallFile(projectFilePath(projects, name));
    if (!projectBytes)
        return result;

    LoadedProject loaded;
    Project &p = loaded.project;
    RecordReader reader(*projectBytes);
    const auto storedName = readText(reader);
    // The stored name chooses the folder: it must be a name inside Projecten too.
    if (!storedName || !ProjectNameProblem(*storedName).isEmpty())
        return result;
    p.ProjectName = *storedName;
    result.shownName = p.ProjectName;
    if (!reader.field())
        return result;
    const auto station = reader.number();
    if (!station || !reader.field())
        return result;
    p.StationImage = quint8(qBound(qint64(0), *station, qint64(StationPictures - 1)));
    // The squares are read in file order; the number in front of each is not trusted.
    for (int n = 0; n < SquareSlots; ++n) {
        if (!reader.number())
            return result;
        const auto street = readText(reader);
        const auto city = readText(reader);
        const auto amount = readText(reader);
        if (!street || !city || !amount)
            return result;
        p.Board[n] = BoardSquare{*street, *city, *amount};
    }

    if (p.ProjectName != name)
        FinishInterruptedSave(projects, p.ProjectName);
    const QString folder = projectFolderPath(projects, p.ProjectName);
    const auto deckBytes = readSmallFile(QDir(folder).filePath(QStringLiteral("Kansfonds.kan")));
    if (!deckBytes)
        return result;
    RecordReader deck(*deckBytes);
    for (int card = 1; card < CardSlots; ++card) {
        const auto text = readText(deck);
        if (!text)
            return result;
        p.KansDeck[card] = *text;
    }
    if (!deck.field())
        return result;
    for (int card = 1; card < CardSlots; ++card) {
        const auto text = readText(deck);
        if (!text)
            return result;
        p.FondsDeck[card] = *text;
    }

    // A missing picture, or one of another size, is left out: the open one stays. A picture
    // that is there but cannot be read whole (cut short, say) is a damaged project.
    bool damaged = false;
    auto picture = [&folder, &damaged](const char *file, QSize wanted) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(file));
        if (!QFileInfo(path).isFile())
            return QImage();
        QImage image = LoadPicture(path);
        damaged = damaged || image.isNull();
        if (image.isNull() || (!wanted.isEmpty() && image.size() != wanted))
            return QImage();
        return image;
    };
    loaded.Speelbord = picture("Speelbord.bmp", boardSize);
    loaded.EigenDomsPic = picture("Eigendomsbewijzen.bmp", deedSheetSize);
    if (damaged)
        return result;
    // The drawing behind the pictures; a project without one prints from its pixels.
    if (const auto drawing = readSmallFile(QDir(folder).filePath(DrawingFileName())))
        loaded.drawing = ReadDrawingFile(*drawing);
    // The game's own title, town and bank; a project without them has the program's own.
    if (const auto game = readSmallFile(QDir(folder).filePath(GameFileName())))
        loaded.game = ReadGameFile(*game);
    result.loaded = std::move(loaded);
    return result;
}

QStringList ListProjects(const ProgramPaths &paths)
{
    const QDir dir(ProjectsFolder(paths));
    QStringList entries;
    for (const QString &file : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase))
        entries << file.left(qMax<qsizetype>(0, file.size() - 4));
    return entries;
}

bool DeleteFolderTree(const QString &path)
{
    const QFileInfo info(path);
    if (isLink(info))
        return removeLink(path);
    if (!info.isDir())
        return false;
    // A read-only folder cannot lose its entries until it is writable again.
    QFile::setPermissions(path, info.permissions() | QFileDevice::ReadOwner
                                    | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList paths;
    for (const QFileInfo &e : entries)
        paths << e.filePath();
    for (const QString &entry : paths) {
        const QFileInfo e(entry);
        bool ok;
        if (isLink(e)) {
            ok = removeLink(entry);
        } else if (e.isDir()) {
            ok = DeleteFolderTree(entry);
        } else {
            QFile::setPermissions(entry, e.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
            ok = QFile::remove(entry);
        }
        if (!ok)
            return false;
    }
    return QDir().rmdir(path);
}

bool DeleteProject(const ProgramPaths &paths, const QString &name)
{
    if (!ProjectNameProblem(name).isEmpty())
        return false;
    bool ok = true;
    const QString file = projectFilePath(paths.projectsFolder(), name);
    const QFileInfo fileInfo(file);
    if (isLink(fileInfo))
        ok = removeLink(file);
    else if (fileInfo.isDir())
        ok = false;  // a folder named like a project file is nobody's project file
    else if (fileInfo.exists()) {
        QFile::setPermissions(file, fileInfo.permissions() | QFileDevice::WriteOwner);
        ok = QFile::remove(file);
    }
    const QString folder = projectFolderPath(paths.projectsFolder(), name);
    const QFileInfo folderInfo(folder);
    if (isLink(folderInfo))
        ok = removeLink(folder) && ok;
    else if (folderInfo.isDir())
        ok = DeleteFolderTree(folder) && ok;
    return ok;
}

