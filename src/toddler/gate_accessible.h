#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace twindle {

// The parent gate's question as a screen reader finds it: an alert, which a screen reader reads
// out as it shows and again as digits are typed, so that a grown-up who does not see the screen
// learns the number to type. For the label named "parentGateHint".
QAccessibleInterface* gateAccessibleFactory(const QString& className, QObject* object);

} // namespace twindle
