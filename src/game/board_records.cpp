#include "board_records.h"

namespace twindle {

MainForm::MainForm()
{
    // Before the first deal every slot is hidden; where it stands then is never seen.
    for (int i = 0; i < kSlotCount; ++i) {
        card[i].Left = 8100;
        card[i].Top = 1485 + (3555 - 1485) * i / (kSlotCount - 1);

        capCard[i].Caption = "W";
        capCard[i].BackColor = RGB(192, 192, 192);
        capCard[i].Left = i < 12 ? 4860 : 4815;
        capCard[i].Top = i < 12 ? 3495 : 3555;

        ShapeDone[i].Left = 6765;
        ShapeDone[i].Top = 3525;
    }
    cardback.Left = 8100;
    cardback.Top = -450;

    capYouDidIt = {.Caption = "You Did It!", .Visible = false,
                   .Left = 6525, .Top = 1485, .Width = 4695, .Height = 1365};
}

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
