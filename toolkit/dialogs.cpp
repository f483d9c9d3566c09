#include "toolkit/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace toolkit {
namespace {

QMessageBox::Icon ToQtIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Error:
        return QMessageBox::Critical;
    case TMsgIcon::Warning:
        return QMessageBox::Warning;
    case TMsgIcon::Information:
        return QMessageBox::Information;
    case TMsgIcon::Question:
        return QMessageBox::Question;
    case TMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok:
        break;
    case TMsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TMsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TMsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

TModalResult FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return TModalResult::Yes;
    case QMessageBox::No:
        return TModalResult::No;
    case QMessageBox::Cancel:
        return TModalResult::Cancel;
    default:
        return TModalResult::Ok;
    }
}

// "ColorA=00BBGGRR" names custom colour 0; malformed lines are skipped.
void ApplyCustomColors(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        bool ok = false;
        const TColor value = line.section(u'=', 1).trimmed().toUInt(&ok, 16);
        if (!ok || key.size() != 6 || !key.startsWith(QLatin1String("Color"), Qt::CaseInsensitive)) continue;
        const int index = key.at(5).toUpper().unicode() - 'A';
        if (index >= 0 && index < QColorDialog::customCount())
            QColorDialog::setCustomColor(index, ColorToQColor(value & 0xFFFFFF));
    }
}

class ModalDialogs final : public DialogResponder {
public:
    TModalResult Message(const MessageRequest& request) override
    {
        QMessageBox box(ToQtIcon(request.icon), request.title, request.text, ToQtButtons(request.buttons),
                        request.owner);
        return FromQtButton(box.exec());
    }

    std::optional<QString> OpenFile(const OpenFileRequest& request) override
    {
        QFileDialog dialog(request.owner, request.title, request.initialDir, request.nameFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile); // a typed name need not exist
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<TColor> ChooseColor(const ColorRequest& request) override
    {
        ApplyCustomColors(request.customColors);
        QColorDialog dialog(ColorToQColor(request.color), request.owner);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return QColorToColor(dialog.selectedColor());
    }
};

ModalDialogs modalDialogs;
DialogResponder* responder = &modalDialogs;

} // namespace

DialogResponder* SetDialogResponder(DialogResponder* replacement)
{
    DialogResponder* previous = responder;
    responder = replacement ? replacement : &modalDialogs;
    return previous;
}

TModalResult MessageBox(QWidget* owner, const QString& text, const QString& caption, TMsgIcon icon,
                        TMsgButtons buttons)
{
    const QString title = caption.isEmpty() ? QStringLiteral("Error") : caption;
    return responder->Message({owner, text, title, icon, buttons});
}

QString ClassicFilterToQt(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        entries << (name.endsWith(suffix) ? name : QStringLiteral("%1 %2").arg(name, suffix));
    }
    return entries.join(QStringLiteral(";;"));
}

bool TOpenDialog::Execute(QWidget* owner)
{
    const std::optional<QString> chosen =
        responder->OpenFile({owner, Title, ClassicFilterToQt(Filter), InitialDir, FileName});
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}

bool TColorDialog::Execute(QWidget* owner)
{
    const std::optional<TColor> chosen = responder->ChooseColor({owner, ColorToRGB(Color), CustomColors});
    if (!chosen) return false;
    Color = *chosen;
    return true;
}

} // namespace toolkit
