#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace twindle::family {

class VoicePanel;
class WordRecordings;

// Where a parent records the cards' words in one language, for a language the program has no
// voice of its own for, or to say them in their own voice: every picture, every letter, the
// cheer and "All done!", each picked from a list, recorded, heard back, recorded again or left
// to the program's voice (Silent forgets the recording). Saved at once, as the family cards are.
class WordRecorder final : public QDialog {
    Q_OBJECT

public:
    WordRecorder(WordRecordings& words, const QString& language, QWidget* parent = nullptr);

    // Picks the word of this name (assets/resource_catalogue.h), as a click on it does.
    void pick(const QString& word);

private:
    void fillList();
    void showPicked();
    QString picked() const;
    void report(const QString& error);

    WordRecordings& m_words;
    QString m_language;
    QListWidget* m_list;
    VoicePanel* m_voice;
    QLabel* m_message;
};

} // namespace twindle::family
