#include "files/projectshare.h"

#include "files/projectfiles.h"
#include "files/projectsave.h"
#include "files/savefile.h"
#include "model/boardrules.h"
#include "files/drawingfile.h"
#include "files/gamefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <vector>
#include <zip.h>

namespace {
// A bitmap's headers and colour table, with room to spare for another program's variant.
constexpr qint64 BmpHeaderRoom = 1024;
// What an archive adds to the bytes it holds: headers, and deflate's worst case.
constexpr qint64 ArchiveRoom = 1024 * 1024;
// Unix file types in the high half of an entry's external attributes.
constexpr zip_uint32_t TypeMask = 0170000, RegularFile = 0100000, Folder = 0040000;
constexpr zip_uint32_t DosFolderBit = 0x10;

qint64 bmpBytes(int width, int height) { return (qint64(width) * 3 + 3) / 4 * 4 * height + BmpHeaderRoom; }

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

struct ZipDiscard {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct ZipFileClose {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// True when a project or a save of one already uses `name` in `projects` (see projectsave.cpp
// for the hidden working folders of a save).
bool isTaken(const QString &projects, const QString &name)
{
    const QDir dir(projects);
    const QString hidden = QLatin1Char('.') + name;
    for (const QString &entry : {name + QStringLiteral(".vgd"), name, hidden + QStringLiteral(".schrijven"),
                                 hidden + QStringLiteral(".nieuw"), hidden + QStringLiteral(".oud")}) {
        const QFileInfo info(dir.filePath(entry));
        if (info.exists() || info.isSymLink())
            return true;
    }
    return false;
}

// An entry name that points outside the folder it is unpacked in.
bool unsafePath(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || (name.size() >= 2 && name[1] == QLatin1Char(':')))
        return true;
    return name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

// An entry that is a plain file (or, with `folder`, a plain folder): no link, device or pipe.
bool plainEntry(zip_uint8_t system, zip_uint32_t attributes, bool folder)
{
    if (system == ZIP_OPSYS_UNIX) {
        const zip_uint32_t type = (attributes >> 16) & TypeMask;
        return type == 0 || type == (folder ? Folder : RegularFile);
    }
    return folder || !(attributes & DosFolderBit);
}

ShareImport refuse(const QString &why) { return {QString(), QString(), why}; }

// Unpacks entry `index` to `path`, counting its bytes: more than `declared` is refused at once.
QString extract(zip_t *archive, zip_uint64_t index, qint64 declared, const QString &shown, const QString &path)
{
    std::unique_ptr<zip_file_t, ZipFileClose> entry(zip_fopen_index(archive, index, 0));
    if (!entry)
        return QStringLiteral("'%1' kan niet worden uitgepakt: %2.").arg(shown, QString::fromLocal8Bit(zip_strerror(archive)));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QStringLiteral("'%1' kan niet worden geschreven: %2").arg(native(path), out.errorString());
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    qint64 count = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(entry.get(), chunk.data(), zip_uint64_t(chunk.size()));
        if (n < 0)
            return QStringLiteral("'%1' is beschadigd: %2.").arg(shown, QString::fromLocal8Bit(zip_file_strerror(entry.get())));
        if (n == 0)
            break;
        count += n;
        if (count > declared)
            return QStringLiteral("'%1' pakt uit tot meer bytes dan het archief opgeeft: het bestand is "
                                  "beschadigd of opzettelijk misvormd.").arg(shown);
        if (out.write(chunk.constData(), n) != n)
            return QStringLiteral("'%1' kan niet worden geschreven: %2").arg(native(path), out.errorString());
    }
    if (count != declared)
        return QStringLiteral("'%1' is korter dan het archief opgeeft: het bestand is beschadigd.").arg(shown);
    if (!out.flush())
        return QStringLiteral("'%1' kan niet worden geschreven: %2").arg(native(path), out.errorString());
    return QString();
}

struct Item {
    zip_uint64_t index;
    QString name;
    qint64 size;
    bool folder;
};

// Reads the archive's table of contents and checks every entry before anything is written.
std::optional<std::vector<Item>> listEntries(zip_t *archive, QString *why)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count <= 0) {
        *why = QStringLiteral("Het bestand is leeg.");
        return std::nullopt;
    }
    if (count > MaxShareEntries) {
        *why = QStringLiteral("Het bestand bevat %1 onderdelen; een project heeft er ten hoogste %2.")
                   .arg(count).arg(MaxShareEntries);
        return std::nullopt;
    }
    std::vector<Item> items;
    for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
        const char *raw = zip_get_name(archive, i, ZIP_FL_ENC_GUESS);
        zip_stat_t stat;
        zip_stat_init(&stat);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (!raw || zip_stat_index(archive, i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)
            || zip_file_get_external_attributes(archive, i, 0, &system, &attributes) != 0) {
            *why = QStringLiteral("De inhoudsopgave van het bestand is beschadigd.");
            return std::nullopt;
        }
        const QString name = QString::fromUtf8(raw);
        const bool folder = name.endsWith(QLatin1Char('/'));
        if (unsafePath(name)) {
            *why = QStringLiteral("Het bestand bevat '%1': een pad dat buiten de projectmap wijst of bij de "
                                  "hoofdmap begint.").arg(name);
            return std::nullopt;
        }
        if (!plainEntry(system, attributes, folder)) {
            *why = QStringLiteral("Het bestand bevat '%1': een koppeling of iets anders dan een gewoon bestand.")
                       .arg(name);
            return std::nullopt;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            *why = QStringLiteral("Het bestand bevat '%1' met een wachtwoord; een project heeft er geen.").arg(name);
            return std::nullopt;
        }
        items.push_back({i, name, qint64(qMin<zip_uint64_t>(stat.size, zip_uint64_t(1) << 62)), folder});
    }
    return items;
}

// The project's name from its project file; the other entries must belong to that project.
QString checkContents(const std::vector<Item> &items, QString *why)
{
    QString project;
    for (const Item &item : items) {
        if (item.folder || item.name.contains(QLatin1Char('/')) || !item.name.endsWith(QStringLiteral(".vgd")))
            continue;
        if (!project.isEmpty()) {
            *why = QStringLiteral("Het bestand bevat meer dan één project.");
            return QString();
        }
        project = item.name.chopped(4);
    }
    if (project.isEmpty()) {
        *why = QStringLiteral("Het bestand bevat geen projectbestand (.vgd).");
        return QString();
    }
    if (const QString problem = ProjectNameProblem(project); !problem.isEmpty()) {
        *why = QStringLiteral("'%1' in het bestand kan geen projectnaam zijn: %2").arg(project, problem);
        return QString();
    }
    const QString folder = project + QLatin1Char('/');
    QSet<QString> seen;
    qint64 total = 0;
    for (const Item &item : items) {
        if (seen.contains(item.name)) {
            *why = QStringLiteral("Het bestand bevat '%1' twee keer.").arg(item.name);
            return QString();
        }
        seen.insert(item.name);
        qint64 limit = 0;
        if (item.name == project + QStringLiteral(".vgd"))
            limit = MaxRecordFileBytes;
        else if (item.name.startsWith(folder) && SharedFolderFiles().contains(item.name.mid(folder.size())))
            limit = MaxShareEntryBytes(item.name.mid(folder.size()));
        else if (item.name != folder) {
            *why = QStringLiteral("Het bestand bevat '%1', dat niet bij een project hoort.").arg(item.name);
            return QString();
        }
        if (item.size > limit) {
            *why = QStringLiteral("'%1' is groter dan het in een project kan zijn (%2 bytes; ten hoogste %3).")
                       .arg(item.name).arg(item.size).arg(limit);
            return QString();
        }
        total += item.size;
        if (total > MaxShareTotalBytes()) {
            *why = QStringLiteral("De bestanden zijn samen groter dan een project kan zijn.");
            return QString();
        }
    }
    return project;
}
}

QString ShareFileExtension() { return QStringLiteral(".vastgoed"); }

QStringList SharedFolderFiles()
{
    return {QStringLiteral("Speelbord.bmp"), QStringLiteral("Eigendomsbewijzen.bmp"),
            QStringLiteral("Kansfonds.kan"), DrawingFileName(), GameFileName()};
}

qint64 MaxShareEntryBytes(const QString &fileName)
{
    if (fileName == QLatin1String("Speelbord.bmp"))
        return bmpBytes(BoardSize, BoardSize);
    if (fileName == QLatin1String("Eigendomsbewijzen.bmp"))
        return bmpBytes(DeedSheetWidth, DeedSheetHeight);
    if (fileName == QLatin1String("Kansfonds.kan") || fileName == DrawingFileName() || fileName == GameFileName()
        || fileName.endsWith(QLatin1String(".vgd")))
        return MaxRecordFileBytes;
    return 0;
}

qint64 MaxShareTotalBytes()
{
    // Both pictures and the text files, which together stay far below one reader's limit.
    return MaxShareEntryBytes(QStringLiteral("Speelbord.bmp"))
        + MaxShareEntryBytes(QStringLiteral("Eigendomsbewijzen.bmp")) + MaxRecordFileBytes;
}

std::optional<QByteArray> ShareArchiveBytes(const QString &projects, const QString &name, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (const QString problem = ProjectNameProblem(name); !problem.isEmpty())
        return fail(problem);
    FinishInterruptedSave(projects, name);  // as before every read of a project

    struct Entry {
        QString name;
        QByteArray bytes;
        QDateTime modified;
    };
    std::vector<Entry> entries;
    QStringList wanted{name + QStringLiteral(".vgd")};
    for (const QString &file : SharedFolderFiles())
        wanted << name + QLatin1Char('/') + file;
    for (const QString &entryName : wanted) {
        const QString path = QDir(projects).filePath(entryName);
        const QFileInfo info(path);
        const bool required = entryName == wanted.front() || entryName.endsWith(QLatin1String("Kansfonds.kan"));
        if (!info.exists() && !info.isSymLink()) {
            if (required)
                return fail(QStringLiteral("'%1' ontbreekt; sla het project opnieuw op.").arg(native(path)));
            continue;
        }
        if (info.isSymLink() || !info.isFile())
            return fail(QStringLiteral("'%1' is geen gewoon bestand.").arg(native(path)));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("'%1' kan niet worden gelezen: %2").arg(native(path), file.errorString()));
        const qint64 limit = MaxShareEntryBytes(entryName.section(QLatin1Char('/'), -1));
        QByteArray bytes = file.read(limit + 1);
        if (bytes.size() > limit)
            return fail(QStringLiteral("'%1' is groter dan het in een project kan zijn.").arg(native(path)));
        entries.push_back({entryName, bytes, info.lastModified()});
    }

    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
    zip_t *archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError) : nullptr;
    const QString cannot = QStringLiteral("Het archief kan niet worden gemaakt: %1.");
    if (!archive) {
        const QString why = QString::fromLocal8Bit(zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        if (buffer)
            zip_source_free(buffer);
        return fail(cannot.arg(why));
    }
    zip_error_fini(&zipError);
    zip_source_keep(buffer);  // read back after the archive is closed
    std::unique_ptr<zip_t, ZipDiscard> open(archive);
    for (const Entry &e : entries) {
        zip_source_t *data = zip_source_buffer(archive, e.bytes.constData(), zip_uint64_t(e.bytes.size()), 0);
        const zip_int64_t index = data ? zip_file_add(archive, e.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (data)
                zip_source_free(data);
            const QString why = QString::fromLocal8Bit(zip_strerror(archive));
            open.reset();
            zip_source_free(buffer);
            return fail(cannot.arg(why));
        }
        zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (RegularFile | 0644) << 16);
        zip_file_set_mtime(archive, zip_uint64_t(index), time_t(e.modified.toSecsSinceEpoch()), 0);
    }
    if (zip_close(archive) != 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(archive));
        open.reset();
        zip_source_free(buffer);
        return fail(cannot.arg(why));
    }
    open.release();  // closed

    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0) {
        bytes.resize(qsizetype(stat.size));
        if (zip_source_read(buffer, bytes.data(), stat.size) != zip_int64_t(stat.size))
            bytes.clear();
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    if (bytes.isEmpty())
        return fail(cannot.arg(QStringLiteral("het archief kan niet worden teruggelezen")));
    return bytes;
}

bool WriteShareFile(const QString &projects, const QString &name, const QString &target, QString *error)
{
    const auto bytes = ShareArchiveBytes(projects, name, error);
    return bytes && WriteFileWhole(target, *bytes, error);
}

QString FreeProjectName(const QString &projects, const QString &wanted)
{
    if (!ProjectNameProblem(wanted).isEmpty())
        return QString();
    if (!isTaken(projects, wanted))
        return wanted;
    for (int n = 2; n < 1000; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        QString base = wanted;
        while (base.size() > 1 && !ProjectNameProblem(base + suffix).isEmpty())
            base.chop(1);
        const QString candidate = base + suffix;
        if (ProjectNameProblem(candidate).isEmpty() && !isTaken(projects, candidate))
            return candidate;
    }
    return QString();
}

ShareImport ImportShareFile(const QString &path, const QString &projects)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("Het bestand '%1' kan niet worden gelezen.").arg(native(path)));
    const qint64 limit = MaxShareTotalBytes() + ArchiveRoom;
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return refuse(QStringLiteral("Het bestand is groter dan een gedeeld project kan zijn."));
    return ImportShareArchive(bytes, projects);
}

ShareImport ImportShareArchive(const QByteArray &bytes, const QString &projects)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &zipError);
    zip_t *opened = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError) : nullptr;
    zip_error_fini(&zipError);
    if (!opened) {
        if (source)
            zip_source_free(source);
        return refuse(QStringLiteral("Dit is geen (volledig) gedeeld project van Vastgoed Atelier: het is "
                                     "geen leesbaar zip-archief."));
    }
    std::unique_ptr<zip_t, ZipDiscard> archive(opened);  // owns the source from here on

    QString why;
    const auto items = listEntries(archive.get(), &why);
    if (!items)
        return refuse(why);
    const QString project = checkContents(*items, &why);
    if (project.isEmpty())
        return refuse(why);

    // Only now is anything written: into a hidden folder beside the projects, which goes again
    // whatever happens unless its contents are renamed into place.
    if (!QDir().mkpath(projects))
        return refuse(QStringLiteral("De map '%1' kan niet worden gemaakt.").arg(native(projects)));
    QTemporaryDir work(QDir(projects).filePath(QStringLiteral(".ophalen-XXXXXX")));
    if (!work.isValid() || !QDir(work.path()).mkdir(project))
        return refuse(QStringLiteral("In de map '%1' kan niet worden geschreven.").arg(native(projects)));
    for (const Item &item : *items) {
        if (item.folder)
            continue;
        why = extract(archive.get(), item.index, item.size, item.name, work.filePath(item.name));
        if (!why.isEmpty())
            return refuse(why);
    }

    // The program's own reader decides whether this is a project.
    const ProjectReadResult read = ReadProjectFilesFrom(work.path(), project, QSize(BoardSize, BoardSize),
                                                        QSize(DeedSheetWidth, DeedSheetHeight));
    if (!read.loaded || read.loaded->project.ProjectName != project)
        return refuse(QStringLiteral("Het project in het bestand kan niet worden gelezen: het projectbestand "
                                     "of het kaartenbestand ontbreekt of is beschadigd."));
    auto has = [&](const char *file) {
        const QString name = project + QLatin1Char('/') + QLatin1String(file);
        return std::any_of(items->begin(), items->end(), [&](const Item &i) { return i.name == name; });
    };
    if ((has("Speelbord.bmp") && read.loaded->Speelbord.isNull())
        || (has("Eigendomsbewijzen.bmp") && read.loaded->EigenDomsPic.isNull()))
        return refuse(QStringLiteral("Een plaatje in het bestand is beschadigd of niet van de maat van een "
                                     "speelbord of een blad met eigendomsbewijzen."));

    const QString name = FreeProjectName(projects, project);
    if (name.isEmpty())
        return refuse(QStringLiteral("Er is geen vrije naam voor het project '%1'.").arg(project));
    QDir workDir(work.path());
    if (name != project) {
        // The name in the project file chooses the folder: the file is written anew for the new name.
        const auto renamed = ProjectFileBytes(read.loaded->project, name, &why);
        if (!renamed || !WriteFileWhole(workDir.filePath(name + QStringLiteral(".vgd")), *renamed, &why)
            || !QFile::remove(workDir.filePath(project + QStringLiteral(".vgd"))) || !workDir.rename(project, name))
            return refuse(QStringLiteral("Het project kan niet onder de naam '%1' worden gezet. %2").arg(name, why));
    }
    // The folder first, the project file last: the project appears in the list whole.
    const QDir projectsDir(projects);
    const QString folderTarget = projectsDir.filePath(name);
    const QString fileTarget = projectsDir.filePath(name + QStringLiteral(".vgd"));
    const QString cannot = QStringLiteral("Het project kan niet in de map '%1' worden gezet.").arg(native(projects));
    if (isTaken(projects, name) || !QDir().rename(workDir.filePath(name), folderTarget))
        return refuse(cannot);
    if (!QFile::rename(workDir.filePath(name + QStringLiteral(".vgd")), fileTarget)) {
        QDir().rename(folderTarget, workDir.filePath(name));
        return refuse(cannot);
    }
    return {name, project, QString()};
}
