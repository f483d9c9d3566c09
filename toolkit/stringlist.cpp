#include "toolkit/stringlist.h"

#include <stdexcept>
#include <string>

namespace toolkit {

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
    strings_[index] = s;
    Changed();
}

int TStringList::Add(const QString& s)
{
    strings_.append(s);
    Changed();
    return Count() - 1;
}

void TStringList::Insert(int index, const QString& s)
{
    CheckIndex(index, Count());
    strings_.insert(index, s);
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    strings_.removeAt(index);
    Changed();
}

void TStringList::Clear()
{
    if (strings_.isEmpty()) return;
    strings_.clear();
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
    if (strings_ == strings) return;
    strings_ = strings;
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
