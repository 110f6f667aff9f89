// The changes of a family deck: each one a transaction over the deck's folder.
#include "family_deck.h"

#include "family/photo_import.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <algorithm>

namespace twindle::family {

namespace {

bool sameName(const std::string& recorded, const QString& name)
{
    return fromUtf8(recorded).compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

// Why a card among the records, other than `self`, cannot have the name; empty when it can.
QString nameError(const QString& name, const std::vector<CardRecord>& records, const CardRecord* self = nullptr)
{
    if (const std::optional<std::string> problem = nameProblem(toUtf8(name.trimmed())))
        return fromUtf8(*problem);
    for (const CardRecord& record : records) {
        if (&record != self && sameName(record.name, name))
            return FamilyDeck::tr("There is already a card named “%1”.").arg(fromUtf8(record.name));
    }
    return {};
}

// The record of the card with this name, whatever its case, or the records' end.
std::vector<CardRecord>::iterator findCard(std::vector<CardRecord>& records, const QString& name)
{
    return std::ranges::find_if(records, [&](const CardRecord& record) { return sameName(record.name, name); });
}

QString noSuchCard(const QString& name)
{
    return FamilyDeck::tr("There is no card named “%1”.").arg(name.trimmed());
}

} // namespace

QString FamilyDeck::change(const Edit& edit)
{
    if (!QDir().mkpath(m_folder))
        return FamilyDeck::tr("Twindle could not make the folder %1 for the family cards.").arg(m_folder);
    QLockFile lock(path(kLockFileName));
    if (const QString error = lockDeck(lock); !error.isEmpty())
        return error;
    // Afresh, so that a change made meanwhile by another Twindle is kept.
    const IndexFile file = readIndexFile(m_folder);
    if (!file.problem.isEmpty())
        return file.problem + FamilyDeck::tr(" Twindle leaves the family cards as they are.");
    std::vector<CardRecord> records = file.index.cards;
    m_newFiles.clear();
    QString error = edit(records);
    if (error.isEmpty())
        error = m_write(path(kIndexFileName), QByteArray::fromStdString(writeFamilyIndex(records)));
    if (!error.isEmpty()) {
        for (const QString& newFile : std::as_const(m_newFiles))
            QFile::remove(newFile);
        return error;
    }
    removeUnnamedFiles(m_folder, records);
    takeRecords(records);
    return {};
}

QString FamilyDeck::writeNew(const QString& kind, const QString& extension, const QByteArray& bytes,
                             std::string& fileName)
{
    const QString name = newFileName(m_folder, kind, extension);
    m_newFiles << path(toUtf8(name));
    const QString error = m_write(m_newFiles.back(), bytes);
    if (error.isEmpty())
        fileName = toUtf8(name);
    return error;
}

QString FamilyDeck::writePicture(const QImage& photo, const CropFrame& frame, std::string& fileName)
{
    const QByteArray file = photo.isNull() ? QByteArray() : cardPictureFile(cardPicture(photo, frame));
    if (file.isEmpty())
        return FamilyDeck::tr("Twindle could not make the card's picture from the photo.");
    return writeNew(QStringLiteral("card"), QStringLiteral("jpg"), file, fileName);
}

QString FamilyDeck::writeVoice(const QByteArray& voice, std::string& fileName)
{
    if (!voiceProblem(voice).isEmpty())
        return FamilyDeck::tr("The recording is not a card's voice as Twindle makes it.");
    return writeNew(QStringLiteral("voice"), QStringLiteral("wav"), voice, fileName);
}

QString FamilyDeck::add(const QString& name, const QImage& photo, const CropFrame& frame, const QByteArray& voice)
{
    return change([&](std::vector<CardRecord>& records) {
        if (records.size() >= kMostCards)
            return FamilyDeck::tr("The deck is full: it holds %1 cards.").arg(kMostCards);
        if (QString error = nameError(name, records); !error.isEmpty())
            return error;
        CardRecord card{toUtf8(name.trimmed()), {}, {}};
        QString error = writePicture(photo, frame, card.picture);
        if (error.isEmpty() && !voice.isEmpty())
            error = writeVoice(voice, card.voice);
        if (error.isEmpty())
            records.push_back(std::move(card));
        return error;
    });
}

QString FamilyDeck::addFromFile(const QString& name, const QString& photoPath, const CropFrame& frame,
                                const QByteArray& voice)
{
    // The name first: it is quicker told than the photo decoded.
    if (const std::optional<std::string> problem = nameProblem(toUtf8(name.trimmed())))
        return fromUtf8(*problem);
    const Checked<QImage> photo = importPhoto(photoPath);
    return photo.ok() ? add(name, photo.value, frame, voice) : photo.error;
}

QString FamilyDeck::rename(const QString& name, const QString& newName)
{
    return change([&](std::vector<CardRecord>& records) {
        const auto card = findCard(records, name);
        if (card == records.end())
            return noSuchCard(name);
        QString error = nameError(newName, records, &*card);
        if (error.isEmpty())
            card->name = toUtf8(newName.trimmed());
        return error;
    });
}

QString FamilyDeck::recrop(const QString& name, const QImage& photo, const CropFrame& frame)
{
    return change([&](std::vector<CardRecord>& records) {
        const auto card = findCard(records, name);
        return card == records.end() ? noSuchCard(name) : writePicture(photo, frame, card->picture);
    });
}

QString FamilyDeck::setVoice(const QString& name, const QByteArray& voice)
{
    return change([&](std::vector<CardRecord>& records) {
        const auto card = findCard(records, name);
        if (card == records.end())
            return noSuchCard(name);
        if (voice.isEmpty()) {
            card->voice.clear();
            return QString();
        }
        return writeVoice(voice, card->voice);
    });
}

QString FamilyDeck::clearVoice(const QString& name)
{
    return setVoice(name, {});
}

QString FamilyDeck::remove(const QString& name)
{
    return change([&](std::vector<CardRecord>& records) {
        const auto card = findCard(records, name);
        if (card == records.end())
            return noSuchCard(name);
        records.erase(card);
        return QString();
    });
}

} // namespace twindle::family
