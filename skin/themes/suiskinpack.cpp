#include "skin/themes/suiskinpack.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

constexpr TsuiSkinElement Elements[ThemeElementCount] = {
    {"StyleNumber", TsuiType::Int},
    {"FormBorderColor", TsuiType::Color},
    {"FormColor", TsuiType::Color},
    {"FormBorderWidth", TsuiType::Int},
    {"Unused5", TsuiType::Int},
    {"FormMinWidth", TsuiType::Int},
    {"FormRoundCorner", TsuiType::Int},
    {"ControlBorderColor", TsuiType::Color},
    {"ControlColor", TsuiType::Color},
    {"ControlFontColor", TsuiType::Color},
    {"MenuSelectedBorderColor", TsuiType::Color},
    {"MenuSelectedColor", TsuiType::Color},
    {"MenuSelectedFontColor", TsuiType::Color},
    {"Unused14", TsuiType::Color},
    {"MenuColor", TsuiType::Color},
    {"MenuFontColor", TsuiType::Color},
    {"MenuBarColor", TsuiType::Color},
    {"MenuSeparatorColor", TsuiType::Color},
    {"Unused19", TsuiType::Color},
    {"MenuItemHeight", TsuiType::Int},
    {"MenuSeparatorHeight", TsuiType::Int},
    {"MenuBarWidth", TsuiType::Int},
    {"MenuCheckedPicture", TsuiType::Str},
    {"ButtonNormal", TsuiType::Str},
    {"ButtonMouseOn", TsuiType::Str},
    {"ButtonMouseDown", TsuiType::Str},
    {"CheckBoxDisabledChecked", TsuiType::Str},
    {"CheckBoxDisabledUnchecked", TsuiType::Str},
    {"CheckBoxChecked", TsuiType::Str},
    {"CheckBoxUnchecked", TsuiType::Str},
    {"CheckBoxMouseOnChecked", TsuiType::Str},
    {"CheckBoxMouseOnUnchecked", TsuiType::Str},
    {"CheckBoxMouseDownChecked", TsuiType::Str},
    {"CheckBoxMouseDownUnchecked", TsuiType::Str},
    {"RadioDisabledChecked", TsuiType::Str},
    {"RadioDisabledUnchecked", TsuiType::Str},
    {"RadioChecked", TsuiType::Str},
    {"RadioUnchecked", TsuiType::Str},
    {"RadioMouseOnChecked", TsuiType::Str},
    {"RadioMouseOnUnchecked", TsuiType::Str},
    {"RadioMouseDownChecked", TsuiType::Str},
    {"RadioMouseDownUnchecked", TsuiType::Str},
    {"ProgressBar", TsuiType::Str},
    {"ProgressBarVertical", TsuiType::Str},
    {"TitleLeft", TsuiType::Str},
    {"TitleClient", TsuiType::Str},
    {"TitleRight", TsuiType::Str},
    {"TitleCloseNormal", TsuiType::Str},
    {"TitleCloseMouseOn", TsuiType::Str},
    {"TitleCloseMouseDown", TsuiType::Str},
    {"TitleMaxNormal", TsuiType::Str},
    {"TitleMaxMouseOn", TsuiType::Str},
    {"TitleMaxMouseDown", TsuiType::Str},
    {"TitleMinNormal", TsuiType::Str},
    {"TitleMinMouseOn", TsuiType::Str},
    {"TitleMinMouseDown", TsuiType::Str},
    {"TitleHelpNormal", TsuiType::Str},
    {"TitleHelpMouseOn", TsuiType::Str},
    {"TitleHelpMouseDown", TsuiType::Str},
    {"TitleCtlBoxNormal", TsuiType::Str},
    {"TitleCtlBoxMouseOn", TsuiType::Str},
    {"TitleCtlBoxMouseDown", TsuiType::Str},
    {"TitleRestoreNormal", TsuiType::Str},
    {"TitleRestoreMouseOn", TsuiType::Str},
    {"TitleRestoreMouseDown", TsuiType::Str},
    {"TitleButtonTransparent", TsuiType::Bool},
    {"TitleLeftBtnXOffset", TsuiType::Int},
    {"TitleRightBtnXOffset", TsuiType::Int},
    {"TitleButtonTop", TsuiType::Int},
    {"TabActive", TsuiType::Str},
    {"TabInactive", TsuiType::Str},
    {"TabLine", TsuiType::Str},
    {"TabBarHeight", TsuiType::Int},
    {"ComboButtonColor", TsuiType::Color},
    {"TrackBarBar", TsuiType::Str},
    {"TrackBarSlider", TsuiType::Str},
    {"TrackBarBarVertical", TsuiType::Str},
    {"TrackBarSliderVertical", TsuiType::Str},
    {"TrackBarColor", TsuiType::Color},
    {"ToolButtonBorderColor", TsuiType::Color},
    {"ToolButtonColor", TsuiType::Color},
    {"ToolButtonDownColor", TsuiType::Color},
    {"ToolBarColor", TsuiType::Color},
    {"ScrollBarColor", TsuiType::Color},
    {"ScrollTopButtonNormal", TsuiType::Str},
    {"ScrollTopButtonMouseOn", TsuiType::Str},
    {"ScrollTopButtonMouseDown", TsuiType::Str},
    {"ScrollBottomButtonNormal", TsuiType::Str},
    {"ScrollBottomButtonMouseOn", TsuiType::Str},
    {"ScrollBottomButtonMouseDown", TsuiType::Str},
    {"ScrollTrack", TsuiType::Str},
};

const QString IniFile = QStringLiteral("skin.ini");

// What the pictures of a run of elements must keep so that their controls
// can draw them (docs/SKINS.md).
struct SizeRule {
    int first, last; // element numbers
    const char* what;
    bool sameSize = false;
    bool sameHeight = false;
    int minWidth = 1, minHeight = 1;
    int widthStep = 1, heightStep = 1;
};

constexpr SizeRule SizeRules[] = {
    // Nine pieces: a corner is half the picture, and the edges between them need a pixel.
    {teButtonNormal, teButtonMouseDown, "a nine-piece button picture", true, false, 3, 3},
    {teCheckBoxDisabledChecked, teCheckBoxMouseDownUnchecked, "every check box picture", true},
    {teRadioDisabledChecked, teRadioMouseDownUnchecked, "every radio button picture", true},
    {teTitleLeft, teTitleRight, "the title bar's three pictures", false, true},
    {teTitleCloseNormal, teTitleRestoreMouseDown, "every title bar button picture", true},
    // Three frames side by side: the two ends and the stretched middle.
    {teTabActive, teTabInactive, "three tab frames side by side", true, false, 3, 1, 3, 1},
    {teTrackBarBar, teTrackBarBar, "three bar frames side by side", false, false, 3, 1, 3, 1},
    {teTrackBarBarVertical, teTrackBarBarVertical, "three bar frames side by side", false, false, 3, 1, 3, 1},
    {teScrollTopButtonNormal, teScrollBottomButtonMouseDown, "every scroll button picture", true},
    // The thumb's three pieces, stacked.
    {teScrollTrack, teScrollTrack, "three thumb pieces stacked", false, false, 1, 3, 1, 3},
};

int ElementIndex(QStringView name)
{
    for (int index = 1; index <= ThemeElementCount; ++index)
        if (name == QLatin1String(Elements[index - 1].Name)) return index;
    return 0;
}

// The reader of one pack: collects its problems as it goes.
class PackReader {
public:
    PackReader(const QString& folder, const TsuiSkinFiles& files, QList<TsuiSkinProblem>& problems)
        : folder_(folder), files_(files), problems_(problems)
    {
    }

    std::optional<TsuiSkinPack> Read()
    {
        const qsizetype before = problems_.size();
        const TsuiSkinFile ini = files_(IniFile);
        if (!ini.Bytes) {
            Problem(IniFile, 0, {}, ini.Error);
            return std::nullopt;
        }
        ReadIni(*ini.Bytes);
        ReadPictures();
        if (problems_.size() != before) return std::nullopt;
        return std::move(pack_);
    }

private:
    void Problem(const QString& file, int line, const QString& key, const QString& message)
    {
        problems_.append({folder_.isEmpty() ? file : folder_ + QLatin1Char('/') + file, line, key, message});
    }

    void IniProblem(int line, const QString& key, const QString& message) { Problem(IniFile, line, key, message); }

    void ReadIni(const QByteArray& bytes)
    {
        if (bytes.size() > SkinMaxIniBytes) {
            IniProblem(0, {}, QStringLiteral("larger than %1 bytes").arg(SkinMaxIniBytes));
            return;
        }
        const QString text = QString::fromUtf8(bytes);
        if (text.contains(QChar::ReplacementCharacter) || text.contains(QChar::Null)) {
            IniProblem(0, {}, QStringLiteral("not UTF-8 text"));
            return;
        }
        QHash<QString, int> seen; // key -> line
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int line = int(i + 1);
            const QString content = lines[i].trimmed();
            if (content.isEmpty() || content.startsWith(QLatin1Char('#')) || content.startsWith(QLatin1Char(';')))
                continue;
            const qsizetype equals = content.indexOf(QLatin1Char('='));
            if (equals < 0) {
                IniProblem(line, {}, QStringLiteral("expected key = value"));
                continue;
            }
            const QString key = content.left(equals).trimmed();
            const QString value = content.mid(equals + 1).trimmed();
            if (const auto previous = seen.constFind(key); previous != seen.constEnd()) {
                IniProblem(line, key, QStringLiteral("given twice (first on line %1)").arg(*previous));
                continue;
            }
            seen.insert(key, line);
            ReadKey(line, key, value);
        }
        for (const char* required : {"Name", "Version"})
            if (!seen.contains(QLatin1String(required))) IniProblem(0, QLatin1String(required), QStringLiteral("missing"));
        for (int index = 1; index <= ThemeElementCount; ++index)
            if (!seen.contains(QLatin1String(Elements[index - 1].Name)))
                IniProblem(0, QLatin1String(Elements[index - 1].Name), QStringLiteral("missing"));
    }

    void ReadKey(int line, const QString& key, const QString& value)
    {
        if (key == QLatin1String("Name")) {
            if (!IsSkinPackName(value))
                IniProblem(line, key, QStringLiteral("'%1' is not a name: 1 to 32 lower-case letters and digits, "
                                                     "starting with a letter")
                                          .arg(value));
            pack_.Name = value;
            return;
        }
        if (key == QLatin1String("Version")) {
            static const QRegularExpression valid(QStringLiteral("^[0-9A-Za-z.+~-]{1,32}$"));
            if (!valid.match(value).hasMatch())
                IniProblem(line, key, QStringLiteral("'%1' is not a version such as 1.2").arg(value));
            pack_.Version = value;
            return;
        }
        const int index = ElementIndex(key);
        if (!index) {
            IniProblem(line, key, QStringLiteral("unknown key"));
            return;
        }
        if (auto error = ReadValue(Elements[index - 1].Kind, value, pack_.Elements[std::size_t(index - 1)]))
            IniProblem(line, key, *error);
    }

    // Fills `out` from the text; the problem when it is not a value of the kind.
    static std::optional<QString> ReadValue(TsuiType kind, const QString& text, TsuiSkinValue& out)
    {
        switch (kind) {
        case TsuiType::Int: {
            bool ok = false;
            const int number = text.toInt(&ok, 10);
            static const QRegularExpression digits(QStringLiteral("^-?[0-9]+$"));
            if (!ok || !digits.match(text).hasMatch() || number < -100000 || number > 100000)
                return QStringLiteral("'%1' is not an integer from -100000 to 100000").arg(text);
            out.Number = number;
            return std::nullopt;
        }
        case TsuiType::Color: {
            static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
            if (!hex.match(text).hasMatch()) return QStringLiteral("'%1' is not a colour #rrggbb").arg(text);
            const uint rgb = text.mid(1).toUInt(nullptr, 16);
            out.Number = std::int32_t(toolkit::RGBColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF));
            return std::nullopt;
        }
        case TsuiType::Bool:
            if (text != QLatin1String("true") && text != QLatin1String("false"))
                return QStringLiteral("'%1' is not true or false").arg(text);
            out.Number = text == QLatin1String("true") ? 1 : 0;
            return std::nullopt;
        case TsuiType::Str:
            if (!std::binary_search(SkinPictureRoles().begin(), SkinPictureRoles().end(), text))
                return QStringLiteral("'%1' is not a picture role (docs/SKINS.md lists them)").arg(text);
            out.Role = text;
            return std::nullopt;
        }
        return QStringLiteral("unreadable");
    }

    // Every picture an element names, each once.
    void ReadPictures()
    {
        QSet<QString> roles;
        for (const TsuiSkinValue& value : pack_.Elements)
            if (!value.Role.isEmpty()) roles.insert(value.Role);
        QStringList sorted(roles.cbegin(), roles.cend());
        sorted.sort(); // problems in the same order every time
        qint64 pixels = 0; // claimed by the headers, counted before decoding
        for (const QString& role : sorted) {
            const QString file = role + QStringLiteral(".png");
            const TsuiSkinFile bytes = files_(file);
            if (!bytes.Bytes) {
                Problem(file, 0, KeyNaming(role), bytes.Error);
                continue;
            }
            if (auto image = DecodePicture(file, role, *bytes.Bytes, pixels)) pack_.Pictures.insert(role, *image);
        }
        CheckSizes();
    }

    // The size rules of docs/SKINS.md, for the pictures that could be read.
    void CheckSizes()
    {
        for (const SizeRule& rule : SizeRules) {
            std::optional<QSize> first;
            int firstIndex = 0;
            for (int index = rule.first; index <= rule.last; ++index) {
                const QString& role = pack_.Element(index).Role;
                const auto picture = pack_.Pictures.constFind(role);
                if (picture == pack_.Pictures.constEnd()) continue;
                const QSize size = picture->size();
                const QString file = role + QStringLiteral(".png");
                const QString key = QLatin1String(Elements[index - 1].Name);
                if (size.width() < rule.minWidth || size.height() < rule.minHeight)
                    Problem(file, 0, key, QStringLiteral("%1x%2 pixels: %3 needs at least %4x%5")
                                              .arg(size.width()).arg(size.height())
                                              .arg(QLatin1String(rule.what)).arg(rule.minWidth).arg(rule.minHeight));
                if (size.width() % rule.widthStep || size.height() % rule.heightStep)
                    Problem(file, 0, key, QStringLiteral("%1x%2 pixels: %3 must be a multiple of %4 (%5)")
                                              .arg(size.width()).arg(size.height())
                                              .arg(QLatin1String(rule.widthStep > 1 ? "its width" : "its height"))
                                              .arg(std::max(rule.widthStep, rule.heightStep))
                                              .arg(QLatin1String(rule.what)));
                if (!first) {
                    first = size;
                    firstIndex = index;
                } else if (rule.sameSize && size != *first) {
                    Problem(file, 0, key, QStringLiteral("%1x%2 pixels: not the %3x%4 of %5, as %6 must be")
                                              .arg(size.width()).arg(size.height())
                                              .arg(first->width()).arg(first->height())
                                              .arg(QLatin1String(Elements[firstIndex - 1].Name))
                                              .arg(QLatin1String(rule.what)));
                } else if (rule.sameHeight && size.height() != first->height()) {
                    Problem(file, 0, key, QStringLiteral("%1 pixels high: not the %2 of %3, as %4 must be")
                                              .arg(size.height()).arg(first->height())
                                              .arg(QLatin1String(Elements[firstIndex - 1].Name))
                                              .arg(QLatin1String(rule.what)));
                }
            }
        }
    }

    std::optional<QImage> DecodePicture(const QString& file, const QString& role, QByteArray bytes, qint64& pixels)
    {
        const QString key = KeyNaming(role);
        if (bytes.size() > SkinMaxPictureBytes) {
            Problem(file, 0, key, QStringLiteral("larger than %1 bytes").arg(SkinMaxPictureBytes));
            return std::nullopt;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        const QSize size = reader.size(); // from the header, before decoding
        if (!size.isValid()) {
            Problem(file, 0, key, QStringLiteral("not a PNG picture"));
            return std::nullopt;
        }
        if (size.width() > SkinMaxPictureSide || size.height() > SkinMaxPictureSide) {
            Problem(file, 0, key,
                    QStringLiteral("%1x%2 pixels: more than %3 a side")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(SkinMaxPictureSide));
            return std::nullopt;
        }
        pixels += qint64(size.width()) * size.height();
        if (pixels > SkinMaxPackPixels) {
            Problem(file, 0, key, QStringLiteral("the pack's pictures hold more than %1 pixels").arg(SkinMaxPackPixels));
            return std::nullopt;
        }
        QImage image = reader.read();
        if (image.isNull() || image.size() != size) {
            Problem(file, 0, key, QStringLiteral("cannot be decoded (corrupt or truncated): %1").arg(reader.errorString()));
            return std::nullopt;
        }
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // The first element that names the role, for a problem with its picture.
    QString KeyNaming(const QString& role) const
    {
        for (int index = 1; index <= ThemeElementCount; ++index)
            if (pack_.Element(index).Role == role) return QLatin1String(Elements[index - 1].Name);
        return {};
    }

    QString folder_;
    const TsuiSkinFiles& files_;
    QList<TsuiSkinProblem>& problems_;
    TsuiSkinPack pack_;
};

TsuiSkinFile ReadFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) return {std::nullopt, QStringLiteral("missing")};
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, QStringLiteral("cannot be read: %1").arg(file.errorString())};
    // One byte past the limit is enough to tell that it is too large.
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, QStringLiteral("cannot be read: %1").arg(file.errorString())};
    return {bytes, {}};
}

} // namespace

QString TsuiSkinProblem::ToString() const
{
    QString text = File;
    if (Line > 0) text += QLatin1Char(':') + QString::number(Line);
    text += QStringLiteral(": ");
    if (!Key.isEmpty()) text += Key + QStringLiteral(": ");
    return text + Message;
}

bool IsSkinPackName(const QString& name)
{
    static const QRegularExpression valid(QStringLiteral("^[a-z][a-z0-9]{0,31}$"));
    return valid.match(name).hasMatch();
}

const TsuiSkinElement* SkinElement(int index)
{
    return index >= 1 && index <= ThemeElementCount ? &Elements[index - 1] : nullptr;
}

const QStringList& SkinPictureRoles()
{
    static const QStringList roles = [] {
        QStringList list;
        for (const char* part : {"CLOSE", "MAX", "MIN", "HELP", "CTLBOX", "RST"})
            for (const char* state : {"NORMAL", "MOUSEON", "MOUSEDOWN"})
                list << QStringLiteral("TITLEBTN_%1_%2").arg(QLatin1String(part), QLatin1String(state));
        for (const char* control : {"CHECKBOX", "RADIOBUTTON"}) {
            for (const char* state : {"", "DISABLE_", "NORMAL_", "MOUSEON_", "MOUSEDOWN_"})
                for (const char* check : {"CHECK", "UNCHECK"})
                    list << QStringLiteral("%1_%2%3").arg(QLatin1String(control), QLatin1String(state),
                                                          QLatin1String(check));
        }
        for (const char* button : {"TOPBUTTON", "BTMBUTTON"})
            for (const char* state : {"NORMAL", "MOUSEON", "MOUSEDOWN"})
                list << QStringLiteral("SCROLLBAR_%1_%2").arg(QLatin1String(button), QLatin1String(state));
        for (const char* state : {"NORMAL", "MOUSEON", "MOUSEDOWN"})
            list << QStringLiteral("BUTTON_%1").arg(QLatin1String(state));
        for (const char* single :
             {"MENU_CHECKED", "PROGRESSBAR", "PROGRESSBAR_V", "TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT",
              "TAB_ACTIVE", "TAB_INACTIVE", "TAB_LINE", "TRACKBAR_BAR", "TRACKBAR_SLIDER", "TRACKBAR_SLIDER_V",
              "SCROLLBAR_TRACK"})
            list << QLatin1String(single);
        list.sort();
        return list;
    }();
    return roles;
}

std::optional<TsuiSkinPack> ReadSkinPack(const QString& folder, const TsuiSkinFiles& files,
                                         QList<TsuiSkinProblem>& problems)
{
    return PackReader(folder, files, problems).Read();
}

std::optional<TsuiSkinPack> ReadSkinPack(const QString& folder, QList<TsuiSkinProblem>& problems)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        problems.append({folder, 0, {}, QStringLiteral("no such folder")});
        return std::nullopt;
    }
    if (!info.isDir()) {
        problems.append({folder, 0, {}, QStringLiteral("not a folder: a pack is a folder holding skin.ini")});
        return std::nullopt;
    }
    const QDir dir(folder);
    return ReadSkinPack(folder, [&dir](const QString& name) {
        return ReadFile(dir.filePath(name), name == IniFile ? SkinMaxIniBytes : SkinMaxPictureBytes);
    }, problems);
}

QByteArray SkinIniText(const TsuiSkinPack& pack)
{
    QString text = QStringLiteral("# A skin pack of the skinned controls; docs/SKINS.md describes every key.\n"
                                  "Name = %1\nVersion = %2\n\n")
                       .arg(pack.Name, pack.Version);
    for (int index = 1; index <= ThemeElementCount; ++index) {
        const TsuiSkinValue& value = pack.Element(index);
        QString written;
        switch (Elements[index - 1].Kind) {
        case TsuiType::Int:
            written = QString::number(value.Number);
            break;
        case TsuiType::Color: {
            const auto color = toolkit::TColor(value.Number);
            written = QStringLiteral("#%1%2%3")
                          .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
                          .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                          .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
            break;
        }
        case TsuiType::Bool:
            written = value.Number ? QStringLiteral("true") : QStringLiteral("false");
            break;
        case TsuiType::Str:
            written = value.Role;
            break;
        }
        text += QStringLiteral("%1 = %2\n").arg(QLatin1String(Elements[index - 1].Name), written);
    }
    return text.toUtf8();
}

bool WriteSkinPack(const TsuiSkinPack& pack, const QString& folder, QString& error)
{
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("%1: cannot make the folder").arg(folder);
        return false;
    }
    const QDir dir(folder);
    QFile ini(dir.filePath(IniFile));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) || ini.write(SkinIniText(pack)) < 0 || !ini.flush()) {
        error = QStringLiteral("%1: %2").arg(ini.fileName(), ini.errorString());
        return false;
    }
    for (auto it = pack.Pictures.cbegin(); it != pack.Pictures.cend(); ++it) {
        const QString path = dir.filePath(it.key() + QStringLiteral(".png"));
        if (!it.value().save(path, "PNG")) {
            error = QStringLiteral("%1: cannot be written").arg(path);
            return false;
        }
    }
    return true;
}
