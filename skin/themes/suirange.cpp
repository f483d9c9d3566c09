#include "skin/themes/suirange.h"

#include <QPointer>
#include <algorithm>
#include <climits>

int ClampPosition(qint64 value, int min, int max)
{
    if (value < min) return min;
    if (value > max) return max;
    return int(value);
}

int ClampPointerValue(qint64 value, int min, int max)
{
    if (value > max) return max;
    if (value < min) return min;
    return int(value);
}

TsuiRange::TsuiRange(Bounds bounds, int min, int max, int position)
    : bounds_(bounds), min_(min), max_(max), position_(position), announced_(position)
{
}

void TsuiRange::SetPosition(qint64 value)
{
    position_ = bounds_ == Bounds::Clamped ? ClampPosition(value, min_, max_) : ClampPosition(value, INT_MIN, INT_MAX);
}

void TsuiRange::SetPageSize(int value)
{
    if (value >= 0 && value <= MaxPageSize) pageSize_ = value;
}

void TsuiRange::SetSmallChange(int value)
{
    smallChange_ = std::clamp(value, 1, MaxSmallChange);
}

bool TsuiRange::Announce()
{
    if (!Unannounced()) return true;
    announced_ = position_;
    const QPointer<TsuiRange> alive(this);
    emit Changed(position_);
    if (!alive) return false;
    announced_ = position_;
    return true;
}
