#include "media_codecs.h"

#include "toolkit/core/program_module.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <memory>

namespace twindle::family {

namespace {

Q_LOGGING_CATEGORY(lcFamily, "twindle.family", QtWarningMsg)

// In the parent's language, as the other sentences about the family cards are.
QString missingModule()
{
    return QCoreApplication::translate("twindle::family::FamilyDeck",
                                       "Twindle's part that reads photos and recordings "
                                       "(lib/twindle/twindle_media.so) is missing; installing "
                                       "Twindle again brings it back");
}

} // namespace

MediaCodecs* mediaCodecs()
{
    static const std::unique_ptr<MediaCodecs> loaded = [] {
        auto made = makeInModule<MediaCodecs>(QStringLiteral("twindle_media"), kMediaModuleEntry);
        if (!made)
            qCWarning(lcFamily) << "photos cannot be checked nor recordings converted:"
                                << "lib/twindle/twindle_media is missing";
        return made;
    }();
    return loaded.get();
}

Checked<bool> wholeJpeg(const QByteArray& image)
{
    MediaCodecs* codecs = mediaCodecs();
    if (codecs == nullptr)
        return refused<bool>(missingModule());
    return {codecs->isWholeJpeg(image), {}};
}

} // namespace twindle::family
