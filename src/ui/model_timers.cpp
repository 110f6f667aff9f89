#include "model_timers.h"

namespace twindle {

ModelTimers::ModelTimers(QObject* parent)
    : QObject(parent)
{
    static constexpr std::array kNames{"tmrPairMatch", "tmrPairNoMatch", "tmrYouDidIt"};
    for (const GameTimer which : kTimers) {
        QTimer& timer = qtTimer(which);
        timer.setObjectName(QLatin1String(kNames[std::size_t(which)]));
        // A second is a second: a coarse timer may run 5% late.
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this, which] { emit timeout(which); });
    }
}

void ModelTimers::follow(const MainForm& form)
{
    for (const GameTimer which : kTimers) {
        const TimerRecord& record = form.timer(which);
        QTimer& timer = qtTimer(which);
        unsigned& followed = m_followedStarts[std::size_t(which)];
        if (!record.Enabled()) {
            timer.stop();
        } else if (!timer.isActive() || followed != record.starts()) {
            timer.start(record.Interval());
        }
        followed = record.starts();
    }
}

bool ModelTimers::isRunning(GameTimer which) const
{
    return qtTimer(which).isActive();
}

int ModelTimers::interval(GameTimer which) const
{
    return qtTimer(which).interval();
}

bool ModelTimers::anyRunning() const
{
    return std::ranges::any_of(m_timers, &QTimer::isActive);
}

void ModelTimers::elapse(GameTimer which)
{
    if (isRunning(which))
        emit timeout(which);
}

} // namespace twindle
