#pragma once
// A copy of the unsaved design, kept on disk so that a crash, a power cut or a killed session
// loses nothing. Every running program keeps its copy in a folder of its own below the
// recovery folder beside the settings file, guarded by a lock file beside that folder; a
// folder whose lock no running program holds was left by a program that ended without
// closing. A copy is the project writer's files in a numbered generation folder, the program
// settings in the settings file's own format beside them, and a small description written
// last: a generation without one was never finished.

#include "model/algemeen.h"
#include "files/projectfiles.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

// "Herstel" beside the settings file.
QString RecoveryFolder(const Algemeen &state);

// The copy this program keeps. Writing happens on a worker thread from a copy of the design
// taken when the write starts.
class RecoveryCopy : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryCopy(const QString &recoveryFolder, QObject *parent = nullptr);
    // Removes the copy and the lock: a program that closes leaves nothing to recover.
    ~RecoveryCopy() override;

    // False when no folder of its own could be made; nothing is then kept.
    bool active() const { return m_active; }
    QString folder() const { return m_folder; }
    // The design has changed: an unsaved design is written soon, at most once per interval;
    // a design without unsaved changes needs no copy, and the copy goes.
    void designChanged(const Algemeen &state);
    // Writes the design now, waiting until it is on disk.
    bool writeNow(const Algemeen &state);
    // Nothing waiting to be written and nothing being written.
    bool idle() const;
    void setInterval(int milliseconds) { m_interval = milliseconds; }

signals:
    // A write or a removal has reached the disk.
    void updated();

private:
    enum class Wanted { Nothing, Write, Remove };
    void schedule();
    void start();
    void finished();
    // Worker side: writes one generation, or removes every generation.
    void writeGeneration(const Algemeen &design);
    void removeGenerations();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    bool m_active = false;
    QThread m_thread;
    QObject *m_worker = nullptr;
    QTimer m_timer;
    QElapsedTimer m_sinceStart;
    int m_interval = 2000;
    const Algemeen *m_state = nullptr;
    Wanted m_wanted = Wanted::Nothing;
    bool m_busy = false;
    bool m_onDisk = false;
    int m_generation = 0;  // worker side only
};

// The program settings a copy carries beside the design: they belong to no project, but the
// deeds of the design were drawn with these factors.
struct CopiedSettings {
    RgbColour windowColour;
    std::array<qint32, FactorSlots> rentFactors;
};

// A copy left by a program that no longer runs, claimed by this program while it lives.
class LeftCopy
{
public:
    LeftCopy(const QString &folder, std::unique_ptr<QLockFile> lock);
    ~LeftCopy();
    QString folder() const { return m_folder; }
    // Reads the newest finished generation. Nothing (with `problem` saying why, in Dutch,
    // empty for a folder that holds no copy at all) when none can be read whole.
    std::optional<LoadedProject> read(QString *problem, QDateTime *written = nullptr) const;
    // The name the design had; empty for one never saved.
    QString projectName() const { return m_name; }
    // The window colour and rent factors kept with the design read last; nothing for a copy
    // written before copies kept them, or when they cannot be read whole.
    std::optional<CopiedSettings> settings() const { return m_settings; }
    // Deletes the copy.
    bool remove();
    // Moves a damaged copy out of the way, beside the others; returns where it went.
    QString setAside();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    mutable QString m_name;
    mutable std::optional<CopiedSettings> m_settings;
};

// Damaged copies set aside below `recoveryFolder` that are older than 30 days at `now` are
// removed, and of the others only the three newest stay. Returns how many were removed.
int RemoveOldDamagedCopies(const QString &recoveryFolder, const QDateTime &now = QDateTime::currentDateTime());

// The copies below `recoveryFolder` that no running program holds, newest first, each claimed;
// `own` is this program's folder, never among them. Old damaged copies go first.
std::vector<std::unique_ptr<LeftCopy>> ClaimLeftCopies(const QString &recoveryFolder, const QString &own);
