#include "toolkit/collection.h"
#include "toolkit/stringlist.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

class Section : public TCollectionItem {
public:
    int Width() const { return width_; }
    void SetWidth(int w)
    {
        width_ = w;
        Changed();
    }

private:
    int width_ = 0;
};

// An owner that relayouts on every change, as a title bar does.
class Sections : public TCollection<Section> {
public:
    using TCollection::TCollection;
    QList<TCollectionItem*> updates;

protected:
    void Update(TCollectionItem* item) override
    {
        updates.append(item);
        TCollection::Update(item);
    }
};

} // namespace

TEST(StringList, EditsNotifyAndUpdatesBatch)
{
    TStringList list;
    QSignalSpy changes(&list, &TStringList::OnChange);
    EXPECT_EQ(list.Add(QStringLiteral("b")), 0);
    list.Insert(0, QStringLiteral("a"));
    list.Add(QStringLiteral("c"));
    EXPECT_EQ(list.Text(), QStringLiteral("a\nb\nc"));
    list.Delete(1);
    EXPECT_EQ(list.ToQStringList(), QStringList({QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(changes.count(), 4);

    list.SetStrings(0, QStringLiteral("a")); // same value
    list.Clear();
    list.Clear(); // already empty
    EXPECT_EQ(changes.count(), 5);

    list.BeginUpdate();
    list.BeginUpdate();
    list.SetText(QStringLiteral("x\r\ny\n"));
    list.Add(QStringLiteral("z"));
    list.EndUpdate();
    EXPECT_EQ(changes.count(), 5); // still inside the outer update
    list.EndUpdate();
    EXPECT_EQ(changes.count(), 6);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], QStringLiteral("y"));

    list.BeginUpdate();
    list.EndUpdate(); // nothing changed, nothing said
    EXPECT_EQ(changes.count(), 6);

    EXPECT_THROW(list.Strings(3), std::out_of_range);
    EXPECT_THROW(list.Insert(5, QString()), std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
}

TEST(Collection, OwnerHearsOfItemAndListChanges)
{
    QObject owner;
    auto* sections = new Sections(&owner);
    EXPECT_EQ(sections->Owner(), &owner);

    Section* first = sections->Add();
    Section* second = sections->Add();
    Section* inserted = sections->Insert(0);
    EXPECT_EQ(sections->Count(), 3);
    EXPECT_EQ(inserted->Index(), 0);
    EXPECT_EQ(second->Index(), 2);
    EXPECT_EQ((*sections)[1], first);

    sections->updates.clear();
    second->SetWidth(40);
    EXPECT_EQ(sections->updates, QList<TCollectionItem*>({second}));

    // Inside an update, item changes collapse into one list change.
    sections->updates.clear();
    sections->BeginUpdate();
    first->SetWidth(1);
    second->SetWidth(2);
    sections->EndUpdate();
    EXPECT_EQ(sections->updates, QList<TCollectionItem*>({nullptr}));

    // Deleting reports a list change after the item is gone from the list.
    QSignalSpy changes(sections, &TCollectionBase::OnChange);
    int countSeen = -1;
    QObject::connect(sections, &TCollectionBase::OnChange, [&] { countSeen = sections->Count(); });
    sections->Delete(0);
    EXPECT_EQ(countSeen, 2);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_THROW(sections->Delete(2), std::out_of_range);

    // Stored layouts fill collections generically.
    sections->ClearItems();
    QObject* added = sections->AddItem();
    EXPECT_EQ(sections->Items(), QList<QObject*>({added}));
    EXPECT_EQ(changes.count(), 3);
}

TEST(StringList, ObjectsTravelWithTheirEntriesAndSortedListsKeepTheirOrder)
{
    TStringList list;
    list.AddObject(QStringLiteral("b"), 2);
    list.InsertObject(0, QStringLiteral("a"), 1);
    list.Add(QStringLiteral("C"));
    EXPECT_EQ(list.Objects(0), 1u);
    EXPECT_EQ(list.Objects(2), 0u);
    list.SetObjects(2, 3);
    EXPECT_EQ(list.IndexOfObject(3), 2);
    EXPECT_EQ(list.IndexOfObject(9), -1);

    // Sorting is case-insensitive and keeps each object with its text.
    list.Delete(0);
    list.Add(QStringLiteral("a"));
    QSignalSpy resets(&list, &TStringList::Reset);
    list.SetSorted(true);
    EXPECT_EQ(list.ToQStringList(), QStringList({"a", "b", "C"}));
    EXPECT_EQ(list.Objects(1), 2u);
    EXPECT_EQ(list.Objects(2), 3u);
    EXPECT_EQ(resets.count(), 1);

    // A sorted list places new entries itself, after equal ones.
    QSignalSpy inserted(&list, &TStringList::Inserted);
    EXPECT_EQ(list.AddObject(QStringLiteral("B"), 7), 2);
    EXPECT_EQ(inserted.takeFirst().at(0).toInt(), 2);
    EXPECT_THROW(list.Insert(0, QStringLiteral("z")), std::logic_error);
    list.SetStrings(0, QStringLiteral("d")); // moves to its place
    EXPECT_EQ(list.ToQStringList(), QStringList({"b", "B", "C", "d"}));
    list.Assign({"y", "x"});
    EXPECT_EQ(list.ToQStringList(), QStringList({"x", "y"}));
    EXPECT_EQ(list.Objects(0), 0u);
}
