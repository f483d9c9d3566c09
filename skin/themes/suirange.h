#pragma once
// The value of the skinned range controls (track bar, scroll bar, progress
// bar): a range, a position in it, its steps, and the announcement of a
// changed position. The controls keep only what is theirs: placing and
// painting what it holds.

#include <QObject>
#include <QtGlobal>
#include <cstdint>

// The range controls' direction of travel. The namespace lets the
// meta-object system know the enumeration, as Suithemes does for the style;
// it keeps the name the controls first published it under, since Qt Designer
// saves a value with it (`Suiprogressbar::suiVertical`). Stored layouts
// write the bare name: `Orientation = suiVertical`.
namespace Suiprogressbar {
Q_NAMESPACE

enum TsuiProgressBarOrientation : std::uint8_t { suiHorizontal, suiVertical };
Q_ENUM_NS(TsuiProgressBarOrientation)

} // namespace Suiprogressbar

using Suiprogressbar::TsuiProgressBarOrientation;
inline constexpr auto suiHorizontal = TsuiProgressBarOrientation::suiHorizontal;
inline constexpr auto suiVertical = TsuiProgressBarOrientation::suiVertical;

// Below min gives min, else above max gives max (the setter's order).
int ClampPosition(qint64 value, int min, int max);
// Above max gives max, else below min gives min (the pointer's order).
// The two differ only for min above max.
int ClampPointerValue(qint64 value, int min, int max);

/// Setters only store; the control announces a new position (Announce) once
/// it shows it, so that a handler sees the control as it now is.
class TsuiRange : public QObject {
    Q_OBJECT

public:
    // A slider's position stays within Min..Max; a progress bar shows
    // whatever position it is given.
    enum class Bounds : std::uint8_t { Clamped, Free };

    static constexpr int MaxPageSize = 100;
    static constexpr int MaxSmallChange = 32767;

    TsuiRange(Bounds bounds, int min, int max, int position);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return pageSize_; }
    int SmallChange() const { return smallChange_; }

    // Unchecked: a layout may store Max before Min, so Min may exceed Max,
    // and Position is not clamped again.
    void SetMin(int value) { min_ = value; }
    void SetMax(int value) { max_ = value; }
    // Clamped, Min first, when bounded. 64-bit, so that a step past an end
    // of a range near the 32-bit limits stops at the end; a free position
    // stops at the 32-bit limits.
    void SetPosition(qint64 value);
    void StepBy(qint64 delta) { SetPosition(position_ + delta); }
    // A value the pointer stands for: clamped, Max first.
    void SetPointerPosition(qint64 value) { position_ = ClampPointerValue(value, min_, max_); }
    // Accepted only within 0..MaxPageSize; another value leaves it.
    void SetPageSize(int value);
    // Kept within 1..MaxSmallChange.
    void SetSmallChange(int value);

    bool Unannounced() const { return position_ != announced_; }
    // Emits Changed when Position differs from the last one announced. A
    // handler may set another position (announced by its own call, not
    // again here) or delete the range; returns whether the range still exists.
    bool Announce();

signals:
    void Changed(int position);

private:
    Bounds bounds_;
    int min_;
    int max_;
    int position_;
    int announced_;
    int pageSize_ = 10;
    int smallChange_ = 1;
};
