#pragma once
// A list of strings that says when it changed, with batching. Each entry
// carries one object value (a number or a pointer, as the owner decides), and
// the list can keep itself sorted.

#include <QList>
#include <QObject>
#include <QStringList>

namespace toolkit {

// What an entry carries beside its text: wide enough for a pointer.
using TStringObject = quintptr;

/// A list of strings, each with an object value; Sorted keeps case-insensitive order; OnChange batched.
class TStringList : public QObject {
    Q_OBJECT
    // How a layout stores the list: `Items.Strings = ('one' 'two')`.
    Q_PROPERTY(QStringList Strings READ ToQStringList WRITE Assign)

public:
    explicit TStringList(QObject* parent = nullptr);

    int Count() const { return int(strings_.size()); }
    // Out-of-range indexes throw std::out_of_range.
    QString Strings(int index) const;
    QString operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const QString& s);
    TStringObject Objects(int index) const;
    void SetObjects(int index, TStringObject object);
    // Exact match; -1 when absent.
    int IndexOf(const QString& s) const { return int(strings_.indexOf(s)); }
    int IndexOfObject(TStringObject object) const { return int(objects_.indexOf(object)); }

    // A sorted list adds at its place in case-insensitive order, after
    // entries that compare equal.
    int Add(const QString& s) { return AddObject(s, 0); }
    int AddObject(const QString& s, TStringObject object);
    // Throws std::logic_error on a sorted list, which decides places itself.
    void Insert(int index, const QString& s) { InsertObject(index, s, 0); }
    void InsertObject(int index, const QString& s, TStringObject object);
    void Delete(int index);
    void Clear();

    // Setting it sorts the list once; the list then stays sorted.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);

    // Lines joined by "\n"; setting accepts "\n" and "\r\n".
    QString Text() const;
    void SetText(const QString& text);
    const QStringList& ToQStringList() const { return strings_; }
    // New strings without objects (sorted when the list is).
    void Assign(const QStringList& strings);

    // Between the outermost BeginUpdate and EndUpdate, changes are collected
    // into a single OnChange at the end.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

signals:
    void OnChange();
    // Entry by entry, at once even while updating, for views that keep a copy
    // of the list (a combo box's items): index is where the entry is now, or
    // was for Removed. Reset: everything may have changed.
    void Inserted(int index);
    void Removed(int index);
    void EntryChanged(int index);
    void Reset();

private:
    void Changed();
    void CheckIndex(int index, int limit) const;
    int SortedPlace(const QString& s) const;
    void SortEntries();

    QStringList strings_;
    QList<TStringObject> objects_;
    bool sorted_ = false;
    int updating_ = 0;
    bool pending_ = false;
};

} // namespace toolkit
