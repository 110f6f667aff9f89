#include "family_deck.h"

#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

namespace twindle::family {

FamilyDeck::FamilyDeck()
    : FamilyDeck(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/family"))
{
}

FamilyDeck::FamilyDeck(QString folder, FileWriter write)
    : m_folder(std::move(folder)), m_write(std::move(write))
{
}

QStringList FamilyDeck::load()
{
    // Read between two changes when the lock can be had; a deck on a read-only disk is read all
    // the same.
    QLockFile lock(path(kLockFileName));
    lockDeck(lock);
    m_fileProblems.clear();
    const IndexFile file = readIndexFile(m_folder);
    QStringList problems;
    if (!file.problem.isEmpty())
        problems << file.problem;
    for (const SkippedLine& line : file.index.skipped)
        problems << tr("Line %1 of the family cards' index is skipped: %2")
                        .arg(line.line)
                        .arg(fromUtf8(line.reason));
    return problems + takeRecords(file.index.cards);
}

QStringList FamilyDeck::takeRecords(const std::vector<CardRecord>& records)
{
    QStringList problems;
    m_cards.clear();
    for (const CardRecord& record : records) {
        const QString name = fromUtf8(record.name);
        const bool repeated = std::ranges::any_of(m_cards, [&](const FamilyCard& card) {
            return card.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        const QString problem = repeated ? tr("an earlier card has the same name")
                                         : problemOf(record.picture, true);
        if (!problem.isEmpty()) {
            problems << tr("“%1” is left out: %2.").arg(name, problem);
            continue;
        }
        FamilyCard card{name, path(record.picture), {}};
        if (!record.voice.empty()) {
            if (const QString voiceProblem = problemOf(record.voice, false); voiceProblem.isEmpty())
                card.voice = path(record.voice);
            else
                problems << tr("“%1” is kept silent: %2.").arg(name, voiceProblem);
        }
        m_cards.push_back(std::move(card));
    }
    return problems;
}

QString FamilyDeck::problemOf(const std::string& fileName, bool isPicture)
{
    const QString key = fromUtf8(fileName);
    if (!m_fileProblems.contains(key))
        m_fileProblems.insert(key, isPicture ? pictureProblem(path(fileName)) : voiceFileProblem(path(fileName)));
    return m_fileProblems.value(key);
}

QString FamilyDeck::path(const std::string& fileName) const
{
    return m_folder + QLatin1Char('/') + fromUtf8(fileName);
}

} // namespace twindle::family
