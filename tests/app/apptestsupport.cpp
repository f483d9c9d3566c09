#include "apptestsupport.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString& path) : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY))
{
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) ADD_FAILURE() << "cannot lock " << path.toStdString();
}

FileLock::~FileLock()
{
    if (fd_ >= 0) ::close(fd_);
}

void UtilityTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    form_ = std::make_unique<TForm1>();
    device_.observe = [this] { return Observe(); };
    dialogs_.observe = [this] { return Observe(); };
    Device() = device_.Binding();
    previousDialogs_ = toolkit::SetDialogResponder(&dialogs_);
    Environment().ModulePath = [this] { return PathOf(QStringLiteral("ispupdate")); };
    Environment().Sleep = [this](unsigned ms) {
        sleeps_.push_back(ms);
        sleepSeen_.push_back(Observe());
    };
    Environment().EndProcess = [this](int code) { endedWith_.push_back(code); };
}

void UtilityTest::TearDown()
{
    toolkit::SetDialogResponder(previousDialogs_);
    Device() = DeviceBinding::Library();
    Environment() = ProcessEnvironment::Platform();
    form_.reset();
}

void UtilityTest::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    QFile file(PathOf(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

void UtilityTest::WriteIni(const QString& content) const
{
    WriteFile(QStringLiteral("ispupdate.ini"), content.toUtf8());
}

void UtilityTest::StartWithBootCode(const QByteArray& bootCode)
{
    WriteIni(QStringLiteral("[system]\nboot_file=boot.bin\n"));
    WriteFile(QStringLiteral("boot.bin"), bootCode);
    form_->FormCreate(form_.get());
    ASSERT_TRUE(Utility().BootCode);
}

void UtilityTest::SelectFirmware(const QByteArray& firmware, const QString& name)
{
    WriteFile(name, firmware);
    dialogs_.choices.push_back(PathOf(name));
    form_->cmdLoadClick(form_->cmdLoad);
    ASSERT_TRUE(Utility().Firmware);
}

Observation UtilityTest::Observe() const
{
    return {form_->StatusBar1->Panels[0]->Text(), form_->suiProgressBar1->Position(),
            form_->suiProgressBar1->isVisible(), form_->cmdUpdate->isEnabled()};
}

QByteArray PatternBytes(int length, int seed)
{
    QByteArray bytes(length, Qt::Uninitialized);
    unsigned state = unsigned(seed) * 2654435761u + 1;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 16);
    }
    return bytes;
}
