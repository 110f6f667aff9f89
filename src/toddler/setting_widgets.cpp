#include "setting_widgets.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaProperty>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace twindle {

namespace {

const char* const kSettingProperty = "setting";

QString keyOf(const SettingRow& row)
{
    return QString::fromLatin1(row.key.data(), qsizetype(row.key.size()));
}

void show(QWidget& widget, const QVariant& value)
{
    if (auto* spin = qobject_cast<QSpinBox*>(&widget))
        spin->setValue(value.toInt());
    else if (auto* slider = qobject_cast<QAbstractSlider*>(&widget))
        slider->setValue(value.toInt());
    else if (auto* combo = qobject_cast<QComboBox*>(&widget))
        combo->setCurrentIndex(std::max(0, combo->findData(value)));
    else if (auto* check = qobject_cast<QCheckBox*>(&widget))
        check->setChecked(value.toBool());
    else if (auto* line = qobject_cast<QLineEdit*>(&widget))
        line->setText(value.toString());
    else if (const QMetaProperty user = widget.metaObject()->userProperty(); user.isValid())
        user.write(&widget, value);
    for (QRadioButton* button : widget.findChildren<QRadioButton*>())
        button->setChecked(button->property(kSettingProperty) == value);
}

QVariant shown(const QWidget& widget)
{
    if (const auto* spin = qobject_cast<const QSpinBox*>(&widget))
        return spin->value();
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(&widget))
        return slider->value();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentData();
    if (const auto* check = qobject_cast<const QCheckBox*>(&widget))
        return check->isChecked();
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        return line->text();
    if (const QMetaProperty user = widget.metaObject()->userProperty(); user.isValid())
        return user.read(&widget);
    for (const QRadioButton* button : widget.findChildren<QRadioButton*>()) {
        if (button->isChecked())
            return button->property(kSettingProperty);
    }
    return {};
}

// A member's value as the widgets carry it, and back.
QVariant asVariant(Integer cardType)
{
    return int(cardType);
}

template <typename Value>
QVariant asVariant(const Value& value)
{
    return QVariant::fromValue(value);
}

template <typename Value>
Value fromVariant(const QVariant& value)
{
    if constexpr (std::is_same_v<Value, Integer>)
        return Integer(value.toInt());
    else
        return value.value<Value>();
}

} // namespace

void showSetup(QWidget& screen, const ToddlerSetup& setup)
{
    for (const SettingRow& row : kSettingRows) {
        if (auto* widget = screen.findChild<QWidget*>(keyOf(row)))
            std::visit([&](auto field) { show(*widget, asVariant(setup.*field)); }, row.field);
    }
}

ToddlerSetup setupShown(const QWidget& screen, ToddlerSetup setup)
{
    for (const SettingRow& row : kSettingRows) {
        const auto* widget = screen.findChild<const QWidget*>(keyOf(row));
        const QVariant value = widget ? shown(*widget) : QVariant();
        if (!value.isValid())
            continue;
        // The member's type is taken from the class, not from `setup`: GCC 12 cannot apply the
        // member pointer to a captured object of a class with a QString in it.
        std::visit(
            [&](auto field) {
                setup.*field = fromVariant<std::remove_cvref_t<decltype(std::declval<ToddlerSetup&>().*field)>>(value);
            },
            row.field);
    }
    return setup;
}

} // namespace twindle
