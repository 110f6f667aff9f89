#include "word_recordings.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace twindle::family {

namespace {

constexpr const char* kWordIndexName = "index.txt";
// Far above what every word of every language takes (some 100 kB), far below what would hurt.
constexpr qint64 kMostIndexBytes = 1024 * 1024;

QString keyOf(const QString& language, const QString& word)
{
    return language + QLatin1Char('/') + word;
}

} // namespace

WordRecordings::WordRecordings()
    : WordRecordings(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/words"))
{
}

WordRecordings::WordRecordings(QString folder, FileWriter write)
    : m_folder(std::move(folder)), m_write(std::move(write))
{
}

QString WordRecordings::path(const std::string& fileName) const
{
    return m_folder + QLatin1Char('/') + fromUtf8(fileName);
}

// The index as the folder holds it; a missing one holds no words. `problem` says why it may not
// be changed, when a change would lose what it holds.
static WordIndex readWordIndex(const QString& folder, QString& problem)
{
    QFile file(folder + QLatin1Char('/') + QLatin1String(kWordIndexName));
    if (!file.exists())
        return {.recognised = true, .words = {}, .skipped = {}};
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.read(kMostIndexBytes + 1) : QByteArray();
    WordIndex index = text.size() > kMostIndexBytes
        ? WordIndex{}
        : parseWordIndex(std::string_view(text.constData(), std::size_t(text.size())));
    if (!index.recognised)
        problem = WordRecordings::tr("Twindle could not read the index of the recorded words in %1.").arg(folder);
    return index;
}

// Read between two changes when the lock can be had; words on a read-only disk are read all the
// same.
QStringList WordRecordings::load()
{
    QLockFile lock(path(kLockFileName));
    lockDeck(lock);
    return readAll();
}

QStringList WordRecordings::readAll()
{
    m_voices.clear();
    QString problem;
    const WordIndex index = readWordIndex(m_folder, problem);
    QStringList problems;
    if (!problem.isEmpty())
        problems << problem;
    for (const SkippedLine& line : index.skipped)
        problems << tr("Line %1 of the recorded words' index is skipped: %2").arg(line.line).arg(fromUtf8(line.reason));
    for (const WordRecord& record : index.words) {
        const QString language = fromUtf8(record.language);
        const QString word = fromUtf8(record.word);
        if (voiceFileProblem(path(record.voice)).isEmpty())
            m_voices.insert(keyOf(language, word), path(record.voice));
        else
            problems << tr("The recorded word %1 (language %2) is skipped: its recording is missing or damaged.")
                            .arg(word, language);
    }
    return problems;
}

QString WordRecordings::voice(const QString& language, const QString& word) const
{
    return m_voices.value(keyOf(language, word));
}

QString WordRecordings::record(const QString& language, const QString& word, const QByteArray& clip)
{
    if (!isLanguageCode(toUtf8(language)) || !isWordName(toUtf8(word)) || !voiceProblem(clip).isEmpty())
        return tr("The recording is not a word as Twindle makes it.");
    return change([&](std::vector<WordRecord>& records) {
        std::erase_if(records, [&](const WordRecord& r) { return r.language == toUtf8(language) && r.word == toUtf8(word); });
        if (records.size() >= kMostRecordedWords)
            return tr("There are already %1 recorded words.").arg(kMostRecordedWords);
        const QString name = newFileName(m_folder, QStringLiteral("word"), QStringLiteral("wav"));
        if (QString error = m_write(m_folder + QLatin1Char('/') + name, clip); !error.isEmpty())
            return error;
        records.push_back({toUtf8(language), toUtf8(word), toUtf8(name)});
        return QString();
    });
}

QString WordRecordings::forget(const QString& language, const QString& word)
{
    return change([&](std::vector<WordRecord>& records) {
        std::erase_if(records, [&](const WordRecord& r) { return r.language == toUtf8(language) && r.word == toUtf8(word); });
        return QString();
    });
}

// A change under the lock, on the index as it is now: the new clip first, the index last, and
// only then the clips the index no longer names go.
QString WordRecordings::change(const Edit& edit)
{
    if (!QDir().mkpath(m_folder))
        return tr("Twindle could not make the folder %1 for the recorded words.").arg(m_folder);
    QLockFile lock(path(kLockFileName));
    if (const QString error = lockDeck(lock); !error.isEmpty())
        return error;
    QString problem;
    WordIndex index = readWordIndex(m_folder, problem);
    if (!problem.isEmpty())
        return problem;
    const QStringList before = QDir(m_folder).entryList({QStringLiteral("*.wav")}, QDir::Files);
    QString error = edit(index.words);
    if (error.isEmpty())
        error = m_write(path(kWordIndexName), QByteArray::fromStdString(writeWordIndex(index.words)));
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.wav")}, QDir::Files)) {
        const bool named = std::ranges::any_of(index.words, [&](const WordRecord& r) { return r.voice == toUtf8(name); });
        if (error.isEmpty() ? !named : !before.contains(name))
            QFile::remove(m_folder + QLatin1Char('/') + name);
    }
    if (error.isEmpty())
        readAll();  // under the lock this change holds
    return error;
}

} // namespace twindle::family
