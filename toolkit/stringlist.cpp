#include "toolkit/stringlist.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>

namespace toolkit {

namespace {

bool LessText(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

TStringList::TStringList(QObject* parent) : QObject(parent) {}

void TStringList::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

QString TStringList::Strings(int index) const
{
    CheckIndex(index, Count() - 1);
    return strings_[index];
}

void TStringList::SetStrings(int index, const QString& s)
{
    CheckIndex(index, Count() - 1);
    if (strings_[index] == s) return;
    if (sorted_) {
        // A new text belongs elsewhere in a sorted list.
        const TStringObject object = objects_[index];
        Delete(index);
        AddObject(s, object);
        return;
    }
    strings_[index] = s;
    emit EntryChanged(index);
    Changed();
}

TStringObject TStringList::Objects(int index) const
{
    CheckIndex(index, Count() - 1);
    return objects_[index];
}

void TStringList::SetObjects(int index, TStringObject object)
{
    CheckIndex(index, Count() - 1);
    if (objects_[index] == object) return;
    objects_[index] = object;
    emit EntryChanged(index);
    Changed();
}

int TStringList::SortedPlace(const QString& s) const
{
    return int(std::upper_bound(strings_.cbegin(), strings_.cend(), s, LessText) - strings_.cbegin());
}

int TStringList::AddObject(const QString& s, TStringObject object)
{
    const int index = sorted_ ? SortedPlace(s) : Count();
    strings_.insert(index, s);
    objects_.insert(index, object);
    emit Inserted(index);
    Changed();
    return index;
}

void TStringList::InsertObject(int index, const QString& s, TStringObject object)
{
    if (sorted_) throw std::logic_error("Operation not allowed on sorted list");
    CheckIndex(index, Count());
    strings_.insert(index, s);
    objects_.insert(index, object);
    emit Inserted(index);
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    strings_.removeAt(index);
    objects_.removeAt(index);
    emit Removed(index);
    Changed();
}

void TStringList::Clear()
{
    if (strings_.isEmpty()) return;
    strings_.clear();
    objects_.clear();
    emit Reset();
    Changed();
}

void TStringList::SetSorted(bool on)
{
    if (sorted_ == on) return;
    sorted_ = on;
    if (on) SortEntries();
}

// Stable, so entries that compare equal keep their order.
void TStringList::SortEntries()
{
    std::vector<int> order(strings_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return LessText(strings_[a], strings_[b]); });
    if (std::is_sorted(order.begin(), order.end())) return;
    QStringList strings;
    QList<TStringObject> objects;
    for (int i : order) {
        strings << strings_[i];
        objects << objects_[i];
    }
    strings_ = strings;
    objects_ = objects;
    emit Reset();
    Changed();
}

QString TStringList::Text() const
{
    return strings_.join(u'\n');
}

void TStringList::SetText(const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = normalized.split(u'\n');
    if (normalized.endsWith(u'\n') || normalized.isEmpty())
        lines.removeLast(); // a final line break ends the last line, it adds none
    Assign(lines);
}

void TStringList::Assign(const QStringList& strings)
{
    QStringList placed = strings;
    if (sorted_) std::stable_sort(placed.begin(), placed.end(), LessText);
    const bool objectless = std::all_of(objects_.cbegin(), objects_.cend(), [](auto o) { return o == 0; });
    if (strings_ == placed && objectless) return;
    strings_ = placed;
    objects_ = QList<TStringObject>(placed.size(), 0);
    emit Reset();
    Changed();
}

void TStringList::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0 && pending_) {
        pending_ = false;
        emit OnChange();
    }
}

void TStringList::Changed()
{
    if (updating_ > 0)
        pending_ = true;
    else
        emit OnChange();
}

} // namespace toolkit
