#include "deck_folder.h"

#include "family/card_crop.h"
#include "family/media_codecs.h"
#include "toolkit/audio/clip_wave.h"
#include "toolkit/audio/voice_recorder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <span>

namespace twindle::family {

namespace {

// The parent reads these in the windows' language.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::FamilyDeck)
};

// Far above what 99 cards take (some 30 kB), far below what would hurt to read.
constexpr qint64 kMostIndexBytes = 1024 * 1024;
constexpr qint64 kMostPictureBytes = 8 * 1024 * 1024;
constexpr qint64 kMostClipBytes = 1024 * 1024;

QString couldNotSave(const QString& why)
{
    return Text::tr("Twindle could not save the family cards: %1.").arg(why);
}

// What the system said of a failed call, as a parent reads it.
QString systemProblem(int error)
{
    if (error == ENOSPC)
        return Text::tr("the disk is full");
    return error == 0 ? Text::tr("the system did not say why") : qt_error_string(error);
}

// Writes all the bytes, or as many as there is room for. A write the disk takes only in part
// returns what it took, and Qt keeps no error for it; the rest, written again, fails at once with
// the disk's own error.
bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0)
            return false;
        written += part;
    }
    return true;
}

} // namespace

QString saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeAll(file, bytes) && file.commit())
        return {};
    // Qt keeps the error as the system's words, whether it came opening, writing or flushing.
    if (file.errorString() == qt_error_string(ENOSPC))
        return couldNotSave(systemProblem(ENOSPC));
    return couldNotSave(file.error() == QFileDevice::NoError ? systemProblem(0) : file.errorString());
}

QString lockDeck(QLockFile& lock)
{
    // QLockFile on Linux takes an flock on its file as it makes it, before it writes its owner in,
    // holds it while locked, and removes a stale file only when it gets that flock itself (Qt
    // 6.4's qlockfile_unix.cpp, as strace shows). So however short the stale time, a live
    // owner's lock is never broken; while a file a kill left, empty when the kill came before the
    // owner was written, is cleared after kLockGraceMilliseconds instead of Qt's 30 s.
    lock.setStaleLockTime(kLockGraceMilliseconds);
    // Looked at often rather than after Qt's waits, which double: two programs changing the deck
    // one change after another could otherwise keep a third waiting past its time.
    QDeadlineTimer deadline(kLockWaitMilliseconds);
    errno = 0;
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        QThread::msleep(kLockLookMilliseconds);
        errno = 0;
    }
    if (lock.isLocked())
        return {};
    if (lock.error() == QLockFile::LockFailedError)
        return Text::tr("Another Twindle is changing the family cards; try again in a moment.");
    // The lock file could not be made or its owner not written in it (the disk being full, say):
    // Qt tells no more than that, and returns at once, leaving errno as the failed call set it.
    return couldNotSave(systemProblem(errno));
}

IndexFile readIndexFile(const QString& folder)
{
    QFile file(folder + QLatin1Char('/') + QLatin1String(kIndexFileName));
    if (!file.exists())
        return {{.recognised = true, .cards = {}, .skipped = {}}, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Text::tr("Twindle could not read the family cards' index: %1.").arg(file.errorString())};
    const QByteArray text = file.read(kMostIndexBytes + 1);
    if (text.size() > kMostIndexBytes)
        return {{}, Text::tr("The family cards' index is too large to be one Twindle wrote.")};
    FamilyIndex index = parseFamilyIndex(std::string_view(text.constData(), std::size_t(text.size())));
    if (!index.recognised)
        return {{}, index.skipped.empty() ? Text::tr("Twindle could not read the family cards' index.")
                                          : fromUtf8(index.skipped.front().reason)};
    return {std::move(index), {}};
}

QString pictureProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Text::tr("its picture is missing");
    QByteArray bytes = file.read(kMostPictureBytes);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "jpeg");
    if (reader.size() != kCardPictureSize)
        return Text::tr("its picture is damaged");
    const Checked<bool> whole = wholeJpeg(bytes);
    if (!whole.ok())
        return whole.error;
    return whole.value ? QString() : Text::tr("its picture is damaged");
}

QString voiceProblem(const QByteArray& clip)
{
    const auto wave = parseWaveImage(std::as_bytes(std::span(clip.constData(), std::size_t(clip.size()))));
    const auto longest = std::size_t(kLongestVoice.count()) * kClipFormat.byteRate;
    if (!wave || wave->format != kClipFormat || wave->samples.size() > longest)
        return Text::tr("its recording is damaged");
    return {};
}

QString voiceFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Text::tr("its recording is missing");
    return voiceProblem(file.read(kMostClipBytes));
}

QString newFileName(const QString& folder, const QString& kind, const QString& extension)
{
    for (;;) {
        const QString name = QStringLiteral("%1-%2.%3")
                                 .arg(kind)
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                 .arg(extension);
        if (!QFile::exists(folder + QLatin1Char('/') + name))
            return name;
    }
}

void removeUnnamedFiles(const QString& folder, const std::vector<CardRecord>& records)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        const std::string file = name.toStdString();
        if (!isPictureFileName(file) && !isVoiceFileName(file))
            continue;  // not ours: the index, its lock, or anything a person put there
        const bool named = std::ranges::any_of(records, [&](const CardRecord& record) {
            return record.picture == file || record.voice == file;
        });
        if (!named)
            QFile::remove(dir.filePath(name));
    }
}

} // namespace twindle::family
