#pragma once

#include "family/deck_folder.h"
#include "family/word_index.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace twindle::family {

// The cards' words as a parent recorded them, in any language: one clip a word (trimmed and
// levelled as voice_clip.h makes a card's voice) and the index that names them (word_index.h),
// in a folder of their own. Kept as the family cards are: every file written whole through
// QSaveFile, the index last, under the same kind of lock, and the index read as untrusted input.
class WordRecordings {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::WordRecordings)

public:
    // The words in the application's data folder: <AppDataLocation>/words.
    WordRecordings();
    explicit WordRecordings(QString folder, FileWriter write = saveWhole);

    // Reads the index and looks at every recording; what was skipped, one sentence each (a
    // damaged recording leaves its word silent).
    QStringList load();

    // The file of the word recorded in the language (codes and names as word_index.h has
    // them); empty when there is none.
    QString voice(const QString& language, const QString& word) const;

    // The changes; each answers nothing when done, else one sentence for the parent, and the
    // words are as they were.
    QString record(const QString& language, const QString& word, const QByteArray& clip);
    QString forget(const QString& language, const QString& word);

private:
    using Edit = std::function<QString(std::vector<WordRecord>& records)>;
    QString change(const Edit& edit);
    QStringList readAll();
    QString path(const std::string& fileName) const;

    QString m_folder;
    FileWriter m_write;
    QHash<QString, QString> m_voices;  // by "<language>/<word>"
};

} // namespace twindle::family
