#pragma once

#include "family/family_index.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>

#include <functional>
#include <vector>

// The files of a deck's folder, for family_deck.cpp: the index, the card pictures and voices,
// and how they are written and cleared away.
namespace twindle::family {

inline constexpr const char* kIndexFileName = "index.txt";
inline constexpr const char* kLockFileName = "index.lock";
// How long a change waits for another Twindle's changes to end: one takes a fraction of a second
// on an idle machine, several on a busy one; and how often it looks whether they have.
inline constexpr int kLockWaitMilliseconds = 10000;
inline constexpr int kLockLookMilliseconds = 50;
// A lock file that no program holds is taken for one a killed program left once it is this old.
// Its owner holds it from the moment it makes it, so the age only covers the instant before.
inline constexpr int kLockGraceMilliseconds = 1000;

// The index holds UTF-8; so do these.
inline QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Writes a file whole or not at all; empty on success, else why not, in plain words. The deck
// writes every file through one: QSaveFile (saveWhole) in the program, a failing stand-in in
// tests.
using FileWriter = std::function<QString(const QString& path, const QByteArray& bytes)>;
QString saveWhole(const QString& path, const QByteArray& bytes);

// Takes the deck's lock, waiting up to kLockWaitMilliseconds for another Twindle's change to end,
// and clearing one a killed program left. Empty when it is held, else why not, in plain words.
QString lockDeck(QLockFile& lock);

// The index as the folder holds it now. A missing index is an empty deck. `problem` says why
// the deck may not be changed when it may not: an index that cannot be read, or is not one this
// version of Twindle writes, whose cards a change would lose.
struct IndexFile {
    FamilyIndex index;
    QString problem;
};
IndexFile readIndexFile(const QString& folder);

// Why a card picture or voice file cannot be used; empty when it can.
QString pictureProblem(const QString& path);
QString voiceProblem(const QByteArray& clip);
QString voiceFileProblem(const QString& path);

// A name for a new file in the folder, of the pattern the index takes, that no file has yet:
// "card-<hex>.jpg" or "voice-<hex>.wav".
QString newFileName(const QString& folder, const QString& kind, const QString& extension);

// Removes every picture and voice file in the folder that none of the records names.
void removeUnnamedFiles(const QString& folder, const std::vector<CardRecord>& records);

} // namespace twindle::family
