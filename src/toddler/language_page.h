#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace twindle {

// The setup screen's page of languages: the windows' and the parent gate's (the system's, or one
// the program speaks), and the cards' words' (the windows', or another). It says, for the words'
// language, whether the program has a voice of its own in it, or whether the cards say only the
// words a parent records (in the family cards' editor) and are otherwise silent. The choices
// are widgets named after their settings' keys (setting_widgets.h); a new one counts from Start.
class LanguagePage final : public QWidget {
    Q_OBJECT

public:
    explicit LanguagePage(QWidget* parent = nullptr);

private:
    void sayWhatTheCardsSay();

    QComboBox* m_language;
    QComboBox* m_words;
    QLabel* m_voiceNote;
    bool m_screenChosen = false;  // the parent chose the screen's language here
};

} // namespace twindle
