#pragma once

#include <QByteArray>

namespace twindle::family {

// Whether libjpeg reads the JPEG image to its end without finding its data damaged or cut short.
// Qt's reader shows such an image anyway, grey where the data ran out, and only logs libjpeg's
// warning; this check is that warning made a refusal. It decodes at an eighth of the size, so
// that it costs little beside the real decoding. Part of the twindle_media module: the program
// asks through media_codecs.h.
bool isWholeJpeg(const QByteArray& image);

} // namespace twindle::family
