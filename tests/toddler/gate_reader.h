#pragma once

#include "toddler/number_words.h"

#include <QLabel>

namespace twindle::test {

// The number a shown question asks for in English words, found by trying every number the gate
// may ask; 0 when the question is missing, hidden or asks for none.
inline int numberAskedIn(const QLabel* question)
{
    for (int number = 100; question != nullptr && question->isVisible() && number <= 999; ++number) {
        if (question->text().contains(QStringLiteral(" ") + QString::fromStdString(numberInWords(number, "en")) + " in digits"))
            return number;
    }
    return 0;
}

// The number the gate's hint over the board asks for.
inline int numberAskedFor(const QWidget& window)
{
    return numberAskedIn(window.findChild<QLabel*>(QStringLiteral("parentGateHint")));
}

} // namespace twindle::test
