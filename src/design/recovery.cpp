#include "design/recovery.h"

#include "files/savefile.h"
#include "files/settingsfile.h"
#include "artwork/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
const QString DescriptionFile = QStringLiteral("Herstel.txt");
const QString SettingsFile = QStringLiteral("Instellingen.ini");
const QByteArray DescriptionHeader = "Vastgoed Atelier herstelkopie 1";
const QString Prefix = QStringLiteral("sessie-");
const QString SetAsideSuffix = QStringLiteral(".beschadigd");
// Damaged copies set aside are kept this long, and no more of them than this.
constexpr int DamagedKeptDays = 30;
constexpr int DamagedKeptCount = 3;
// Changes that follow each other quickly are written once, after this pause.
constexpr int SettleMs = 250;

QString ownFolderName()
{
    return Prefix + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))
           + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
}

std::unique_ptr<QLockFile> lockFor(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(folder + QStringLiteral(".lock"));
    // Held for the program's whole life: only a lock whose program no longer runs is stale.
    lock->setStaleLockTime(0);
    return lock;
}

// The file name a copy is written under; a design never saved has no name of its own.
QString fileNameFor(const QString &projectName)
{
    return projectName.isEmpty() || !ProjectNameProblem(projectName).isEmpty() ? QStringLiteral("Naamloos")
                                                                                : projectName;
}

struct Description {
    QString name;
    QString file;
    QDateTime written;
};

QByteArray descriptionBytes(const Description &d)
{
    return DescriptionHeader + "\nnaam=" + d.name.toUtf8() + "\nbestand=" + d.file.toUtf8()
           + "\ntijd=" + d.written.toString(Qt::ISODateWithMs).toUtf8() + "\n";
}

std::optional<Description> readDescription(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    if (lines.size() < 4 || lines[0] != DescriptionHeader)
        return std::nullopt;
    Description d;
    bool hasFile = false;
    for (const QByteArray &line : lines.mid(1)) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1String("naam=")))
            d.name = text.mid(5);
        else if (text.startsWith(QLatin1String("bestand="))) {
            d.file = text.mid(8);
            hasFile = true;
        } else if (text.startsWith(QLatin1String("tijd=")))
            d.written = QDateTime::fromString(text.mid(5), Qt::ISODateWithMs);
    }
    if (!hasFile || !ProjectNameProblem(d.file).isEmpty() || (!d.name.isEmpty() && !ProjectNameProblem(d.name).isEmpty()))
        return std::nullopt;
    return d;
}

std::optional<CopiedSettings> readSettings(const QString &path)
{
    Algemeen read;
    if (!QFileInfo::exists(path) || !ReadSettingsFile(path, read))
        return std::nullopt;
    return CopiedSettings{read.WindowColour, read.RentFactors};
}

QStringList generations(const QString &folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::Reversed);
}
}

QString RecoveryFolder(const Algemeen &state)
{
    return QFileInfo(state.settingsPath()).dir().filePath(QStringLiteral("Herstel"));
}

RecoveryCopy::RecoveryCopy(const QString &recoveryFolder, QObject *parent)
    : QObject(parent),
      m_folder(QDir(recoveryFolder).filePath(ownFolderName())),
      m_lock(lockFor(m_folder))
{
    if (!QDir().mkpath(recoveryFolder) || !m_lock->tryLock(0))
        return;
    if (!QDir().mkpath(m_folder)) {
        m_lock->unlock();
        return;
    }
    m_active = true;
    m_thread.setObjectName(QStringLiteral("herstelkopie"));
    m_thread.start(QThread::LowPriority);
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::start);
}

RecoveryCopy::~RecoveryCopy()
{
    m_timer.stop();
    if (m_worker) {
        m_thread.quit();
        m_thread.wait();
        delete m_worker;
    }
    if (m_active) {
        DeleteFolderTree(m_folder);
        m_lock->unlock();
    }
}

void RecoveryCopy::designChanged(const Algemeen &state)
{
    m_state = &state;
    m_wanted = state.UnsavedChanges ? Wanted::Write : Wanted::Remove;
    if (m_wanted == Wanted::Remove && !m_onDisk && !m_busy)
        m_wanted = Wanted::Nothing;
    schedule();
}

bool RecoveryCopy::idle() const
{
    return !m_busy && !m_timer.isActive() && m_wanted == Wanted::Nothing;
}

void RecoveryCopy::schedule()
{
    if (!m_active || m_busy || m_wanted == Wanted::Nothing || m_timer.isActive())
        return;
    int delay = 0;
    if (m_wanted == Wanted::Write) {
        delay = SettleMs;
        if (m_sinceStart.isValid())
            delay = int(qMax<qint64>(delay, m_interval - m_sinceStart.elapsed()));
    }
    m_timer.start(delay);
}

void RecoveryCopy::start()
{
    if (m_busy || m_wanted == Wanted::Nothing || !m_state)
        return;
    m_busy = true;
    m_sinceStart.restart();
    const Wanted job = m_wanted;
    m_wanted = Wanted::Nothing;
    m_onDisk = job == Wanted::Write;
    // The design is copied here, between two events: its pictures are shared until the window
    // changes them, so the copy costs next to nothing.
    auto design = job == Wanted::Write ? std::make_shared<Algemeen>(*m_state) : nullptr;
    QMetaObject::invokeMethod(
        m_worker,
        [this, design]() mutable {
            if (design)
                writeGeneration(*design);
            else
                removeGenerations();
            // Let go of the pictures before the window may change them again.
            design.reset();
            QMetaObject::invokeMethod(this, &RecoveryCopy::finished, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RecoveryCopy::finished()
{
    m_busy = false;
    emit updated();
    schedule();
}

bool RecoveryCopy::writeNow(const Algemeen &state)
{
    if (!m_active)
        return false;
    m_timer.stop();
    m_wanted = Wanted::Nothing;
    m_onDisk = true;
    const Algemeen design = state;
    QMetaObject::invokeMethod(m_worker, [this, &design] { writeGeneration(design); },
                              Qt::BlockingQueuedConnection);
    const QStringList written = generations(m_folder);
    emit updated();
    return !written.isEmpty() && QFileInfo(QDir(m_folder).filePath(written.first() + QLatin1Char('/') + DescriptionFile)).isFile();
}

void RecoveryCopy::writeGeneration(const Algemeen &design)
{
    const QString name = QStringLiteral("%1").arg(++m_generation, 6, 10, QLatin1Char('0'));
    const QString folder = QDir(m_folder).filePath(name);
    Description description{design.project.ProjectName, fileNameFor(design.project.ProjectName),
                            QDateTime::currentDateTime()};
    QString error;
    if (!QDir().mkpath(folder) || !WriteProjectFilesTo(design, folder, description.file, &error)
        || !WriteSettingsFile(QDir(folder).filePath(SettingsFile), design, &error)
        || !WriteFileWhole(QDir(folder).filePath(DescriptionFile), descriptionBytes(description), &error)) {
        qWarning("Herstelkopie niet geschreven: %s", qPrintable(error));
        DeleteFolderTree(folder);
        return;
    }
    // Only now that the new generation is whole do the older ones go.
    for (const QString &older : generations(m_folder))
        if (older != name)
            DeleteFolderTree(QDir(m_folder).filePath(older));
}

void RecoveryCopy::removeGenerations()
{
    for (const QString &generation : generations(m_folder))
        DeleteFolderTree(QDir(m_folder).filePath(generation));
}

LeftCopy::LeftCopy(const QString &folder, std::unique_ptr<QLockFile> lock)
    : m_folder(folder), m_lock(std::move(lock))
{
}

LeftCopy::~LeftCopy() = default;

std::optional<LoadedProject> LeftCopy::read(QString *problem, QDateTime *written) const
{
    const QStringList found = generations(m_folder);
    if (problem)
        *problem = found.isEmpty() ? QString()
                                   : QStringLiteral("De herstelkopie is onvolledig of beschadigd.");
    for (const QString &generation : found) {
        const QString folder = QDir(m_folder).filePath(generation);
        const auto description = readDescription(QDir(folder).filePath(DescriptionFile));
        if (!description)
            continue;  // never finished: an older one may be whole
        ProjectReadResult read = ReadProjectFilesFrom(folder, description->file, QSize(BoardSize, BoardSize),
                                                      QSize(DeedSheetWidth, DeedSheetHeight));
        if (!read.loaded || read.loaded->Speelbord.isNull() || read.loaded->EigenDomsPic.isNull())
            continue;
        read.loaded->project.ProjectName = description->name;
        m_name = description->name;
        m_settings = readSettings(QDir(folder).filePath(SettingsFile));
        if (written)
            *written = description->written;
        if (problem)
            problem->clear();
        return read.loaded;
    }
    return std::nullopt;
}

bool LeftCopy::remove()
{
    const bool removed = !QFileInfo::exists(m_folder) || DeleteFolderTree(m_folder);
    m_lock->unlock();
    return removed;
}

QString LeftCopy::setAside()
{
    QString target = m_folder + SetAsideSuffix;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_folder + SetAsideSuffix + QLatin1Char('-') + QString::number(n);
    const bool moved = QDir().rename(m_folder, target);
    m_lock->unlock();
    if (!moved)
        return m_folder;
    // Its age counts from now, the day it was set aside.
    std::error_code ignored;
    std::filesystem::last_write_time(QFile(target).filesystemFileName(),
                                     std::filesystem::file_time_type::clock::now(), ignored);
    RemoveOldDamagedCopies(QFileInfo(m_folder).path());
    return target;
}

int RemoveOldDamagedCopies(const QString &recoveryFolder, const QDateTime &now)
{
    const QDir root(recoveryFolder);
    QFileInfoList damaged;
    for (const QFileInfo &info : root.entryInfoList({Prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot))
        if (info.fileName().contains(SetAsideSuffix) && !info.isSymLink())
            damaged << info;
    std::stable_sort(damaged.begin(), damaged.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    const QDateTime oldest = now.addDays(-DamagedKeptDays);
    int removed = 0;
    for (int i = 0; i < damaged.size(); ++i)
        if ((i >= DamagedKeptCount || damaged[i].lastModified() < oldest) && DeleteFolderTree(damaged[i].filePath()))
            ++removed;
    return removed;
}

std::vector<std::unique_ptr<LeftCopy>> ClaimLeftCopies(const QString &recoveryFolder, const QString &own)
{
    std::vector<std::unique_ptr<LeftCopy>> claimed;
    const QDir root(recoveryFolder);
    if (!root.exists())
        return claimed;
    RemoveOldDamagedCopies(recoveryFolder);
    const QString ownName = QFileInfo(own).fileName();
    for (const QString &name : root.entryList({Prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name == ownName || name.contains(SetAsideSuffix))
            continue;
        const QString folder = root.filePath(name);
        auto lock = lockFor(folder);
        if (lock->tryLock(0))
            claimed.push_back(std::make_unique<LeftCopy>(folder, std::move(lock)));
    }
    // A lock without its folder is left by a program that ended as it began.
    for (const QString &name : root.entryList({Prefix + QStringLiteral("*.lock")}, QDir::Files)) {
        const QString folder = root.filePath(name.chopped(5));
        if (QFileInfo(folder).fileName() == ownName || QFileInfo::exists(folder))
            continue;
        auto lock = lockFor(folder);
        if (lock->tryLock(0))
            lock->unlock();
    }
    std::stable_sort(claimed.begin(), claimed.end(), [](const auto &a, const auto &b) {
        return QFileInfo(a->folder()).lastModified() > QFileInfo(b->folder()).lastModified();
    });
    return claimed;
}
