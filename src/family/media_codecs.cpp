#include "media_codecs.h"

#include "toolkit/core/program_module.h"

#include <QLoggingCategory>

#include <memory>

namespace twindle::family {

namespace {

Q_LOGGING_CATEGORY(lcFamily, "twindle.family", QtWarningMsg)

const QString kMissing = QStringLiteral("Twindle's part that reads photos and recordings "
                                        "(lib/twindle/twindle_media.so) is missing; installing "
                                        "Twindle again brings it back");

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
        return refused<bool>(kMissing);
    return {codecs->isWholeJpeg(image), {}};
}

} // namespace twindle::family
