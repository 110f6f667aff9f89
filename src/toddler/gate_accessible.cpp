#include "gate_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace twindle {

namespace {

class GateQuestion final : public QAccessibleWidget {
public:
    explicit GateQuestion(QLabel& label) : QAccessibleWidget(&label, QAccessible::AlertMessage), m_label(label) {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_label.text() : QAccessibleWidget::text(kind);
    }

private:
    QLabel& m_label;
};

} // namespace

QAccessibleInterface* gateAccessibleFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr || label->objectName() != QLatin1String("parentGateHint"))
        return nullptr;
    return new GateQuestion(*label);
}

} // namespace twindle
