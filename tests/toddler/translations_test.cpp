// Every language of the windows: complete, with the placeholders and access keys of the English
// texts, one access key a menu item and none twice in a menu or the family editor; Hebrew lays
// the setup screen and the editor out from the right.

#include "assets/languages.h"
#include "family/editor/crop_view.h"
#include "family/editor/family_editor.h"
#include "family/family_deck.h"
#include "family/word_recordings.h"
#include "game/card_kinds.h"
#include "toddler/setup_screen.h"
#include "ui/card_faces.h"
#include "ui/main_window.h"
#include "ui/window_language.h"

#include <QAbstractButton>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace twindle {
namespace {

// The windows in a language for one test, and in English again after it.
struct InLanguage {
    explicit InLanguage(const QString& code) { useWindowLanguage(code); }
    ~InLanguage() { useWindowLanguage(QStringLiteral("en")); }
};

struct Message {
    QString source;
    QStringList translations;  // one, or one per plural form
    bool finished = true;
};

std::vector<Message> messagesOf(const QString& code)
{
    QFile file(QStringLiteral(TWINDLE_TRANSLATIONS_DIR "/twindle_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << code.toStdString();
    std::vector<Message> messages;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (messages.empty()) {
            continue;
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus)
                messages.back().translations << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// "%1", "%n" and the like, each once, in order of their numbers: a translation may say one twice
// or once where the English says it twice.
QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%(\\d|n)")).globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The access keys of a text: the characters after a single '&' ("&&" is an ampersand).
QString accessKeys(const QString& text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                keys += text[i + 1].toLower();
            ++i;
        }
    }
    return keys;
}

QStringList translatedLanguages()
{
    QStringList codes = windowLanguages();
    codes.removeAll(QStringLiteral("en"));
    return codes;
}

TEST(Translations, EveryLanguageIsWholeAndKeepsThePlaceholdersAndAccessKeys)
{
    ASSERT_GE(translatedLanguages().size(), 7) << translatedLanguages().join(QLatin1Char(' ')).toStdString();
    const std::size_t sources = messagesOf(QStringLiteral("de")).size();
    for (const QString& code : translatedLanguages()) {
        const std::vector<Message> messages = messagesOf(code);
        EXPECT_EQ(messages.size(), sources) << code.toStdString();
        for (const Message& message : messages) {
            const std::string where = code.toStdString() + ": " + message.source.toStdString();
            EXPECT_TRUE(message.finished) << where;
            ASSERT_FALSE(message.translations.isEmpty()) << where;
            for (const QString& translation : message.translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(placeholders(translation), placeholders(message.source)) << where << " -> "
                                                                                   << translation.toStdString();
                EXPECT_EQ(accessKeys(translation).size(), accessKeys(message.source).size())
                    << where << " -> " << translation.toStdString();
            }
        }
    }
}

// A menu item has one access key, and no two items of a menu (the main window's, the family
// editor's buttons and fields) share one; the kinds of cards, kept by the game in English, are
// translated as they are shown.
TEST(Translations, OneAccessKeyAMenuItemAndNoneTwiceInAMenu)
{
    QTemporaryDir folder;
    family::FamilyDeck deck(folder.filePath(QStringLiteral("family")));
    family::WordRecordings words(folder.filePath(QStringLiteral("words")));
    CardFaces faces(&deck, &words);
    for (const QString& code : windowLanguages()) {
        const InLanguage language(code);
        MainWindow window(faces);
        QString menuKeys;
        for (const QAction* item : window.menuBar()->actions()) {
            EXPECT_EQ(accessKeys(item->text()).size(), 1) << code.toStdString() << ": " << item->text().toStdString();
            menuKeys += accessKeys(item->text());
        }
        family::FamilyEditor editor(deck, 9, nullptr, &words, code);
        QString editorKeys;
        for (const QAbstractButton* button : editor.findChildren<QAbstractButton*>())
            editorKeys += accessKeys(button->text());
        for (const QLabel* label : editor.findChildren<QLabel*>())
            editorKeys += accessKeys(label->text());
        for (const QString& keys : {menuKeys, editorKeys}) {
            QString sorted = keys;
            std::ranges::sort(sorted);
            EXPECT_EQ(std::ranges::adjacent_find(sorted), sorted.end()) << code.toStdString() << ": " << keys.toStdString();
        }
        EXPECT_EQ(editorKeys.size(), 9) << code.toStdString() << ": " << editorKeys.toStdString();
        for (const CardKind& kind : cardKinds()) {
            const QByteArray title(kind.title.data(), qsizetype(kind.title.size()));
            EXPECT_EQ(QCoreApplication::translate("twindle::CardKind", title.constData()) == QLatin1String(title),
                      code == QStringLiteral("en"))
                << code.toStdString() << ": " << title.toStdString();
        }
    }
}

// Where a widget stands across its window, left to right.
int leftIn(const QWidget& widget, const QWidget& window)
{
    return widget.mapTo(&window, QPoint(0, 0)).x();
}

TEST(Translations, HebrewLaysTheSetupScreenAndTheEditorOutFromTheRight)
{
    QTemporaryDir folder;
    family::FamilyDeck deck(folder.filePath(QStringLiteral("family")));
    for (const QString& code : {QStringLiteral("en"), QStringLiteral("he")}) {
        const InLanguage language(code);
        const bool mirrored = code == QStringLiteral("he");
        SetupScreen screen(ToddlerSetup{}, 0);
        screen.show();
        EXPECT_EQ(screen.layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
        const auto* start = screen.findChild<QPushButton*>(QStringLiteral("startButton"));
        const auto* kind = screen.findChild<QWidget*>(QStringLiteral("kind"));
        ASSERT_TRUE(start && kind);
        const QPushButton* cancel = nullptr;  // beside Start
        for (const QPushButton* button : screen.findChildren<QPushButton*>()) {
            if (button != start && button->isVisible() && leftIn(*button, screen) >= 0
                && button->mapTo(&screen, QPoint()).y() == start->mapTo(&screen, QPoint()).y())
                cancel = button;
        }
        ASSERT_TRUE(cancel);
        const auto* form = qobject_cast<QFormLayout*>(kind->parentWidget()->layout());
        ASSERT_TRUE(form && form->labelForField(const_cast<QWidget*>(kind)));
        const QWidget& label = *form->labelForField(const_cast<QWidget*>(kind));
        // Start ends its row, and a choice stands on its label's far side.
        EXPECT_EQ(leftIn(*start, screen) < leftIn(*cancel, screen), mirrored) << code.toStdString();
        EXPECT_EQ(leftIn(*kind, screen) < leftIn(label, screen), mirrored) << code.toStdString();

        family::FamilyEditor editor(deck, 9);
        editor.show();
        const auto* cards = editor.findChild<QListWidget*>();
        const auto* crop = editor.findChild<family::CropView*>();
        ASSERT_TRUE(cards && crop);
        EXPECT_EQ(leftIn(*cards, editor) > leftIn(*crop, editor), mirrored) << code.toStdString();
    }
}

} // namespace
} // namespace twindle
