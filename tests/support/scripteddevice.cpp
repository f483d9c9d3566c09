#include "tests/support/scripteddevice.h"

#include <algorithm>
#include <cstdio>

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
    return call.result;
}

DeviceBinding ScriptedDevice::Binding()
{
    return {
        [this] { return Record({DeviceCall::Initialize, -1, -1, {}, initializeResult}); },
        [this] { return Record({DeviceCall::Exit}); },
        [this](int reg, unsigned char* value) {
            const int accessed = access(reg);
            unsigned char answer = *value;
            const int answered = status(&answer, ++readsInBlock_);
            if (accessed >= 0) *value = answer;
            return Record({DeviceCall::Read, reg, *value, {}, accessed < 0 ? accessed : answered});
        },
        [this](int reg, unsigned char value) {
            if (reg == 56 && value == 2) {
                ++block_;
                readsInBlock_ = 0;
            }
            return Record({DeviceCall::Write, reg, value, {}, access(reg)});
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

std::vector<std::string> ScriptedDevice::Transcript() const
{
    std::vector<std::string> lines;
    for (const DeviceCall& call : calls) {
        switch (call.kind) {
        case DeviceCall::Initialize:
            lines.push_back("INIT " + std::to_string(call.result));
            break;
        case DeviceCall::Exit:
            lines.push_back("EXIT");
            break;
        case DeviceCall::Read:
            lines.push_back("R " + std::to_string(call.reg) + " -> " +
                            (call.result >= 0 ? std::to_string(call.value) : std::string("fail")));
            break;
        case DeviceCall::Write: {
            char text[32];
            std::snprintf(text, sizeof text, "W %d 0x%02x", call.reg, call.value);
            lines.push_back(text);
            break;
        }
        }
    }
    return lines;
}
