#include "apptestsupport.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

std::ostream& operator<<(std::ostream& out, const DeviceCall& call)
{
    static const char* names[] = {"Initialize", "Exit", "Read", "Write"};
    return out << names[call.kind] << '(' << call.reg << ", " << call.value << ')';
}

int ScriptedDevice::Record(DeviceCall call)
{
    if (observe) call.seen = observe();
    calls.push_back(call);
    if (onCall) onCall(call);
    return 0;
}

DeviceBinding ScriptedDevice::Binding()
{
    return {
        [this] {
            Record({DeviceCall::Initialize});
            return initializeResult;
        },
        [this] { return Record({DeviceCall::Exit}); },
        [this](int reg, unsigned char* value) {
            const int result = status(value, ++readsInBlock_);
            Record({DeviceCall::Read, reg, *value});
            return result;
        },
        [this](int reg, unsigned char value) {
            if (reg == 56 && value == 2) readsInBlock_ = 0;
            return Record({DeviceCall::Write, reg, value});
        },
    };
}

std::vector<DeviceCall> ScriptedDevice::Writes() const
{
    std::vector<DeviceCall> writes;
    for (const DeviceCall& call : calls)
        if (call.kind == DeviceCall::Write) writes.push_back(call);
    return writes;
}

int ScriptedDevice::CountOf(DeviceCall::Kind kind) const
{
    return int(
        std::count_if(calls.begin(), calls.end(), [kind](const DeviceCall& c) { return c.kind == kind; }));
}

toolkit::TModalResult RecordingDialogs::Message(const toolkit::MessageRequest& request)
{
    messages.push_back({request.owner, request.text, request.title, request.icon, request.buttons,
                        observe ? observe() : Observation{}});
    return toolkit::TModalResult::Ok;
}

std::optional<QString> RecordingDialogs::OpenFile(const toolkit::OpenFileRequest& request)
{
    openRequests.push_back(request);
    if (choices.empty()) return std::nullopt;
    std::optional<QString> choice;
    choice.swap(choices.front());
    choices.pop_front();
    return choice;
}

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
    Utility.Clear();
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
    ASSERT_TRUE(Utility.BootCode);
}

void UtilityTest::SelectFirmware(const QByteArray& firmware, const QString& name)
{
    WriteFile(name, firmware);
    dialogs_.choices.push_back(PathOf(name));
    form_->cmdLoadClick(form_->cmdLoad);
    ASSERT_TRUE(Utility.Firmware);
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
