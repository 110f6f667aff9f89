#include "setting_widgets.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <optional>
#include <type_traits>

namespace twindle {

namespace {

const char* const kSettingProperty = "setting";

QString keyOf(const SettingRow& row)
{
    return QString::fromLatin1(row.key.data(), qsizetype(row.key.size()));
}

void show(QWidget& widget, int value)
{
    if (auto* spin = qobject_cast<QSpinBox*>(&widget))
        spin->setValue(value);
    else if (auto* slider = qobject_cast<QAbstractSlider*>(&widget))
        slider->setValue(value);
    else if (auto* combo = qobject_cast<QComboBox*>(&widget))
        combo->setCurrentIndex(std::max(0, combo->findData(value)));
    else if (auto* check = qobject_cast<QCheckBox*>(&widget))
        check->setChecked(value != 0);
    for (QRadioButton* button : widget.findChildren<QRadioButton*>())
        button->setChecked(button->property(kSettingProperty).toInt() == value);
}

std::optional<int> shown(const QWidget& widget)
{
    if (const auto* spin = qobject_cast<const QSpinBox*>(&widget))
        return spin->value();
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(&widget))
        return slider->value();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentData().toInt();
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget))
        return int(check->isChecked());
    for (const QRadioButton* button : widget.findChildren<QRadioButton*>()) {
        if (button->isChecked())
            return button->property(kSettingProperty).toInt();
    }
    return std::nullopt;
}

} // namespace

void showSetup(QWidget& screen, const ToddlerSetup& setup)
{
    for (const SettingRow& row : kSettingRows) {
        if (auto* widget = screen.findChild<QWidget*>(keyOf(row)))
            std::visit([&](auto field) { show(*widget, int(setup.*field)); }, row.field);
    }
}

ToddlerSetup setupShown(const QWidget& screen, ToddlerSetup setup)
{
    for (const SettingRow& row : kSettingRows) {
        const auto* widget = screen.findChild<const QWidget*>(keyOf(row));
        const std::optional<int> value = widget ? shown(*widget) : std::nullopt;
        if (!value)
            continue;
        std::visit([&](auto field) { setup.*field = std::remove_reference_t<decltype(setup.*field)>(*value); },
                   row.field);
    }
    return setup;
}

} // namespace twindle
