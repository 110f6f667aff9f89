// The family editor on a deck in a folder of its own, driven as a parent would: photos added
// and dropped, the frame moved with the keys, names typed.

#include "family/editor/crop_view.h"
#include "family/editor/family_editor.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace twindle::family {
namespace {

class Editor : public testing::Test {
protected:
    void SetUp() override
    {
        QImage halves(1000, 500, QImage::Format_RGB32);  // left half red, right half blue
        halves.fill(Qt::blue);
        QPainter(&halves).fillRect(0, 0, 500, 500, Qt::red);
        ASSERT_TRUE(halves.save(m_dir.filePath("Grandma's garden.png")));
        QFile notes(m_dir.filePath("notes.jpg"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("not a photo") > 0);
        ASSERT_EQ(m_deck.add("Rex", halves, {}), "");
    }

    std::string shownNames() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names.join(", ").toStdString();
    }

    QListWidget* list() const { return m_editor->findChild<QListWidget*>(); }
    QString text(const char* kind) const { return m_editor->findChild<QLabel*>(kind)->text(); }

    QTemporaryDir m_dir;
    FamilyDeck m_deck{m_dir.filePath("deck")};
    std::unique_ptr<FamilyEditor> m_editor;
};

TEST_F(Editor, AddsPhotosChosenOrDroppedAndSaysWhatItRefused)
{
    m_editor = std::make_unique<FamilyEditor>(m_deck, 9);
    EXPECT_EQ(shownNames(), "Rex");
    m_editor->addPhotos({m_dir.filePath("Grandma's garden.png"), m_dir.filePath("notes.jpg")});
    EXPECT_EQ(shownNames(), "Rex, Grandma's garden");
    EXPECT_EQ(list()->currentItem()->text(), "Grandma's garden") << "the card added is shown";
    EXPECT_EQ(text("message"), "\u201Cnotes.jpg\u201D is not a picture Twindle can read.");
    EXPECT_EQ(text("pairs"), "2 photos: games of up to 2 pairs");

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(m_dir.filePath("Grandma's garden.png"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_editor.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_editor.get(), &drop);
    EXPECT_EQ(shownNames(), "Rex, Grandma's garden, Grandma's garden 2");
    EXPECT_EQ(FamilyDeck(m_deck.folder()).load(), QStringList()) << "and saved at once";
}

TEST_F(Editor, MovesTheFrameWithTheKeysAndTakesItWhenItCloses)
{
    m_editor = std::make_unique<FamilyEditor>(m_deck, 9);
    m_editor->addPhotos({m_dir.filePath("Grandma's garden.png")});
    auto* crop = m_editor->findChild<CropView*>();
    const CropFrame centred = crop->frame();
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(crop, Qt::Key_Left);
    QTest::keyClick(crop, Qt::Key_Plus);
    EXPECT_LT(crop->frame().centre.x(), centred.centre.x());
    EXPECT_GT(crop->frame().zoom, 1);
    m_editor->accept();  // before the frame has rested: closing takes it
    FamilyDeck saved(m_deck.folder());
    saved.load();
    const QImage picture(saved.cards().back().picture);
    EXPECT_GT(qRed(picture.pixel(700, 500)), 200) << "the card shows the left, red half only";
}

TEST_F(Editor, RenamesACardByItsNameFieldAndRefusesATakenName)
{
    m_editor = std::make_unique<FamilyEditor>(m_deck, 9);
    m_editor->addPhotos({m_dir.filePath("Grandma's garden.png")});
    auto* name = m_editor->findChild<QLineEdit*>();
    name->setText("rex");
    emit name->editingFinished();
    EXPECT_EQ(text("message"), "There is already a card named \u201CRex\u201D.");
    EXPECT_EQ(name->text(), "Grandma's garden");
    name->setText("  Nana ");
    emit name->editingFinished();
    EXPECT_EQ(shownNames(), "Rex, Nana");
    EXPECT_EQ(m_deck.cards().back().name, "Nana");
}

} // namespace
} // namespace twindle::family

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
