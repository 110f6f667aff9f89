#pragma once

#include "family/card_crop.h"
#include "family/deck_folder.h"
#include "family/family_index.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace twindle::family {

struct FamilyCard {
    QString name;
    QString picture;  // the path of its picture, kCardPictureSize
    QString voice;    // the path of its voice clip; empty when the card is silent
};

// The family cards a parent makes from their own photos, in a folder of their own: one picture
// per card (never the photo itself), its voice clip if it has one, and the index that names
// them (family_index.h). Every file is written whole through QSaveFile, the index last, so that
// a crash or a full disk during a change leaves the deck as it was; files the index no longer
// names are removed only once the new index is in place. A lock file keeps two Twindles (the
// game and the command line, say) from changing the deck at once.
class FamilyDeck {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::FamilyDeck)

public:
    // The deck in the application's data folder: <AppDataLocation>/family.
    FamilyDeck();
    explicit FamilyDeck(QString folder, FileWriter write = saveWhole);

    const QString& folder() const { return m_folder; }

    // Reads the deck afresh. The whole cards are then cards(); what is returned says, one
    // sentence each, what was skipped and why: damaged lines of the index, cards whose picture
    // is missing or damaged, and cards kept silent because their recording is.
    QStringList load();
    const std::vector<FamilyCard>& cards() const { return m_cards; }

    // The changes. Each answers nothing when done, else one sentence for the parent, and the
    // deck is as it was. A name is trimmed, and must be 1 to 40 characters and not that of
    // another card (whatever their case); cards are found by name whatever its case. A voice is
    // a clip as voice_clip.h makes it, or nothing for a silent card.
    QString add(const QString& name, const QImage& photo, const CropFrame& frame,
                const QByteArray& voice = {});
    QString addFromFile(const QString& name, const QString& photoPath, const CropFrame& frame,
                        const QByteArray& voice = {});
    QString rename(const QString& name, const QString& newName);
    QString recrop(const QString& name, const QImage& photo, const CropFrame& frame);
    QString setVoice(const QString& name, const QByteArray& voice);
    QString clearVoice(const QString& name);
    QString remove(const QString& name);

private:
    // An edit of the records, which writes its new files through writeNew.
    using Edit = std::function<QString(std::vector<CardRecord>& records)>;

    QString change(const Edit& edit);
    QString writeNew(const QString& kind, const QString& extension, const QByteArray& bytes,
                     std::string& fileName);
    QString writePicture(const QImage& photo, const CropFrame& frame, std::string& fileName);
    QString writeVoice(const QByteArray& voice, std::string& fileName);
    QStringList takeRecords(const std::vector<CardRecord>& records);
    QString problemOf(const std::string& fileName, bool isPicture);
    QString path(const std::string& fileName) const;

    QString m_folder;
    FileWriter m_write;
    std::vector<FamilyCard> m_cards;
    // What was found of each file looked at: files are never rewritten under their name.
    QHash<QString, QString> m_fileProblems;
    QStringList m_newFiles;  // of the change under way
};

} // namespace twindle::family
