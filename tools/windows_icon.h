#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace twindle {

// An .ico file holding each image as an embedded PNG, the form Windows has read since Vista and
// the resource compilers take as it is. Images must be square, 256 pixels at most.
QByteArray windowsIconFile(const QList<QImage>& images);

} // namespace twindle
