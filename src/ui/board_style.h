#pragma once

#include <QProxyStyle>

namespace twindle {

// The program's look on every desktop: Fusion, without the pictures of controls the windows
// never show (the menu bar's overflow button: the window is fixed and its three items fit),
// which would otherwise be decoded while the window opens, and with plain words on the
// question's Yes and No, as message boxes have them on every desktop the game grew up on.
class BoardStyle final : public QProxyStyle {
public:
    BoardStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace twindle
