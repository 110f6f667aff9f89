#include "board_records.h"

namespace twindle {

TimerRecord& MainForm::timer(GameTimer which)
{
    switch (which) {
    case GameTimer::PairMatch: return tmrPairMatch;
    case GameTimer::PairNoMatch: return tmrPairNoMatch;
    case GameTimer::YouDidIt: break;
    }
    return tmrYouDidIt;
}

const TimerRecord& MainForm::timer(GameTimer which) const
{
    return const_cast<MainForm&>(*this).timer(which);
}

} // namespace twindle
