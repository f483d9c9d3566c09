#pragma once
// A list of strings that says when it changed, with batching.

#include <QObject>
#include <QStringList>

namespace toolkit {

class TStringList : public QObject {
    Q_OBJECT
public:
    explicit TStringList(QObject* parent = nullptr);

    int Count() const { return int(strings_.size()); }
    // Out-of-range indexes throw std::out_of_range.
    QString Strings(int index) const;
    QString operator[](int index) const { return Strings(index); }
    void SetStrings(int index, const QString& s);
    int IndexOf(const QString& s) const { return int(strings_.indexOf(s)); }

    int Add(const QString& s);
    void Insert(int index, const QString& s);
    void Delete(int index);
    void Clear();

    // Lines joined by "\n"; setting accepts "\n" and "\r\n".
    QString Text() const;
    void SetText(const QString& text);
    const QStringList& ToQStringList() const { return strings_; }
    void Assign(const QStringList& strings);

    // Between the outermost BeginUpdate and EndUpdate, changes are collected
    // into a single OnChange at the end.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

signals:
    void OnChange();

private:
    void Changed();
    void CheckIndex(int index, int limit) const;

    QStringList strings_;
    int updating_ = 0;
    bool pending_ = false;
};

} // namespace toolkit
