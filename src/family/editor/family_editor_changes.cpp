// What the family editor changes in the deck: photos added or chosen again, frames moved, names
// typed, cards removed.
#include "family_editor.h"

#include "family/photo_import.h"
#include "toolkit/window/forms.h"
#include "family/editor/crop_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QStandardPaths>

namespace twindle::family {

namespace {

// A name from the photo's file name, at most kLongestName characters, that no card has yet.
QString freeName(const QString& path, const FamilyDeck& deck)
{
    const QString base = QFileInfo(path).completeBaseName().simplified();
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral(" %1").arg(n);
        const QList<uint> characters = base.toUcs4().mid(0, qsizetype(kLongestName) - suffix.size());
        QString name = QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size()).trimmed() + suffix;
        if (name.isEmpty())
            name = FamilyEditor::tr("Photo");
        const bool taken = std::ranges::any_of(deck.cards(), [&](const FamilyCard& card) {
            return card.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!taken)
            return name;
    }
}

} // namespace

void FamilyEditor::addPhotos(const QStringList& paths)
{
    QStringList errors;
    QString added;
    for (const QString& path : paths) {
        Checked<QImage> photo = importPhoto(path);
        const QString name = freeName(path, m_deck);
        const QString error = photo.ok() ? m_deck.add(name, photo.value, {}) : photo.error;
        if (!error.isEmpty()) {
            errors << error;
            continue;
        }
        m_photos.insert(name, {std::move(photo.value), {}});
        added = name;
    }
    showCards(added.isEmpty() ? m_shown : added);
    report(errors.join(QLatin1Char('\n')));
}

void FamilyEditor::recropSoon(const CropFrame& frame)
{
    if (!m_photos.contains(m_shown))
        return;
    m_photos[m_shown].frame = frame;
    m_recrop.start();
}

void FamilyEditor::recropNow()
{
    m_recrop.stop();
    const Photo photo = m_photos.value(m_shown);
    report(m_deck.recrop(m_shown, photo.image, photo.frame));
    const auto card = std::ranges::find(m_deck.cards(), m_shown, &FamilyCard::name);
    const QList<QListWidgetItem*> items = m_cards->findItems(m_shown, Qt::MatchExactly);
    if (card != m_deck.cards().end() && !items.isEmpty())
        items.front()->setIcon(iconOf(*card));
}

void FamilyEditor::renameCard()
{
    const QString name = m_shown;
    const QString newName = m_name->text().trimmed();
    if (name.isEmpty() || newName == name)
        return;
    const QString error = m_deck.rename(name, newName);
    report(error);
    if (!error.isEmpty()) {
        m_name->setText(name);
        return;
    }
    if (m_photos.contains(name))
        m_photos.insert(newName, m_photos.take(name));
    showCards(newName);
}

void FamilyEditor::replacePhoto()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose the photo of “%1”").arg(m_shown),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    if (path.isEmpty())
        return;
    Checked<QImage> photo = importPhoto(path);
    const QString error = photo.ok() ? m_deck.recrop(m_shown, photo.value, {}) : photo.error;
    report(error);
    if (error.isEmpty())
        m_photos.insert(m_shown, {std::move(photo.value), {}});
    showCards(m_shown);
}

void FamilyEditor::removeCard()
{
    const QString name = m_shown;
    if (name.isEmpty()
        || !askYesNo(tr("Remove card"),
                     tr("Remove “%1” from the family cards? The photo itself stays where it is.").arg(name),
                     this))
        return;
    report(m_deck.remove(name));
    m_photos.remove(name);
    showCards({});
}

void FamilyEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (std::ranges::any_of(event->mimeData()->urls(), &QUrl::isLocalFile))
        event->acceptProposedAction();
}

void FamilyEditor::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    addPhotos(paths);
    event->acceptProposedAction();
}

void FamilyEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && focusWidget() == m_cards)
        removeCard();
    else
        QDialog::keyPressEvent(event);
}

void FamilyEditor::done(int result)
{
    if (m_recrop.isActive())
        recropNow();
    QDialog::done(result);
}

} // namespace twindle::family
