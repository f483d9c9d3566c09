#include "flash/progress.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <csignal>
#include <utility>

namespace {

volatile std::sig_atomic_t cancelRequested = 0; // the signal's number once asked

QString Rate(double bytesPerSecond)
{
    if (bytesPerSecond >= 1024) return QStringLiteral("%1 KiB/s").arg(bytesPerSecond / 1024, 0, 'f', 1);
    return QStringLiteral("%1 B/s").arg(qRound64(bytesPerSecond));
}

QString Duration(double seconds)
{
    const qint64 whole = qRound64(seconds);
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void RequestCancel(int signal)
{
    cancelRequested = signal;
}

bool CancelWasRequested()
{
    return cancelRequested != 0;
}

int CancelSignal()
{
    return cancelRequested;
}

void ClearCancelRequest()
{
    cancelRequested = 0;
}

ProgressReport::ProgressReport(std::FILE* out, ProgressStyle style, std::uint32_t firmwareLength)
    : out_(out), style_(style), firmwareLength_(firmwareLength), blocks_(BlockCount(firmwareLength))
{
}

bool ProgressReport::CancelRequested()
{
    return CancelWasRequested();
}

void ProgressReport::BlockStarted(std::uint32_t block, std::uint32_t)
{
    startingBlock_ = block;
}

void ProgressReport::StageChanged(const QString& text)
{
    if (text == QLatin1String(kStageFirmware)) { // the firmware's progress starts afresh
        firmwareStart_ = Clock::now();
        percent_ = 0;
    }
    block_ = std::exchange(startingBlock_, 0);
    stage_ = text;
    if (text == QLatin1String(kStageDone)) {
        doneHeld_ = true;
        return;
    }
    ShowStage(text);
}

void ProgressReport::ShowStage(const QString& text)
{
    if (style_ == ProgressStyle::Quiet) return;
    const Figures figures = Now();
    if (style_ == ProgressStyle::Json) {
        QJsonObject object{{"stage", text}, {"percent", figures.percent}};
        if (figures.block) {
            object.insert("block", qint64(figures.block));
            object.insert("blocks", qint64(blocks_));
        }
        if (figures.bytesPerSecond >= 0) object.insert("bytes_per_second", qRound64(figures.bytesPerSecond));
        if (figures.secondsLeft >= 0) object.insert("seconds_left", qRound64(figures.secondsLeft));
        WriteJsonLine(out_, object);
        return;
    }
    Show(Line(text, figures), GroupOf(text));
}

// Only the boot code's percentage changes between stage texts worth showing;
// the block lines are drawn when each block begins.
void ProgressReport::ProgressChanged(int percent)
{
    const bool changed = percent != percent_;
    percent_ = percent;
    if (changed && style_ == ProgressStyle::Terminal && stage_ == QLatin1String(kStageBootCode))
        Show(Line(stage_, Now()), Group::BootCode);
}

ProgressReport::Group ProgressReport::GroupOf(const QString& stage) const
{
    if (block_ != 0) return Group::Blocks;
    return stage == QLatin1String(kStageBootCode) ? Group::BootCode : Group::None;
}

ProgressReport::Figures ProgressReport::Now() const
{
    Figures figures;
    figures.percent = percent_;
    if (block_ == 0) return figures;
    figures.block = block_;
    // Blocks before this one are acknowledged; the time since the firmware
    // stage began gives the rate.
    const std::uint32_t done = block_ - 1;
    figures.percent = ProgressPercent(done, blocks_);
    const double bytes = double(std::min<std::uint64_t>(std::uint64_t(done) * kBlockSize, firmwareLength_));
    const double seconds = std::chrono::duration<double>(Clock::now() - firmwareStart_).count();
    if (done > 0 && seconds > 0) {
        figures.bytesPerSecond = bytes / seconds;
        figures.secondsLeft = (double(firmwareLength_) - bytes) / figures.bytesPerSecond;
    }
    return figures;
}

// In the user's language; the JSON objects keep the core's English stage texts.
QString ProgressReport::Line(const QString& stage, const Figures& figures) const
{
    QString line = Translated(stage.toUtf8().constData());
    // The boot code's percentage moves only on a terminal; a line would always say 0.
    if (figures.block || (style_ == ProgressStyle::Terminal && stage == QLatin1String(kStageBootCode)))
        line += QStringLiteral(" %1%").arg(figures.percent);
    if (figures.bytesPerSecond >= 0)
        line += u' ' + QCoreApplication::translate("Flasher", "%1 %2 left")
                           .arg(Rate(figures.bytesPerSecond), Duration(figures.secondsLeft));
    return line;
}

void ProgressReport::Show(const QString& line, Group group)
{
    if (style_ == ProgressStyle::Quiet) return;
    const QByteArray bytes = line.toLocal8Bit();
    if (style_ == ProgressStyle::Terminal) {
        if (open_ != Group::None) std::fputs(group == open_ ? "\r\x1b[K" : "\n", out_);
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out_);
        if (group == Group::None) std::fputc('\n', out_);
        open_ = group;
    } else {
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out_);
        std::fputc('\n', out_);
    }
    std::fflush(out_);
}

void ProgressReport::Finish(bool confirmed)
{
    if (std::exchange(doneHeld_, false) && confirmed) ShowStage(QString::fromLatin1(kStageDone));
    if (open_ != Group::None) std::fputc('\n', out_);
    open_ = Group::None;
    std::fflush(out_);
}

void WriteJsonLine(std::FILE* out, const QJsonObject& object)
{
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    std::fputc('\n', out);
    std::fflush(out);
}
