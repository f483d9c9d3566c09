#pragma once
// A form for layouts read in the scrolling tests: its handlers record what
// they were called with.

#include <QStringList>
#include <QWidget>

class RecordingForm : public QWidget {
    Q_OBJECT
public:
    explicit RecordingForm(QWidget* parent = nullptr) : QWidget(parent) {}
    QStringList log;

    Q_INVOKABLE void TabActive(int index) { log << QStringLiteral("TabActive %1").arg(index); }
    Q_INVOKABLE void SheetShow(QObject* Sender) { log << QStringLiteral("Show ") + Sender->objectName(); }
};
