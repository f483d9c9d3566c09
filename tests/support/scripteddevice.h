#pragma once
// A camera that answers as a script says and records every call, bound in
// place of the device library; and the window's view at the moment of a call.

#include "app/core/devicebinding.h"

#include <QString>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// What the window showed at one moment of an update.
struct Observation {
    QString stage;
    int progress = -1;
    bool progressVisible = false;
    bool updateEnabled = false;
};

struct DeviceCall {
    enum Kind { Initialize, Exit, Read, Write } kind;
    int reg = -1;
    int value = -1; // written, or stored by a read (left as it was when the read failed)
    Observation seen{};
    int result = 0; // what the call returned; negative is a failure
    friend bool operator==(const DeviceCall& a, const DeviceCall& b)
    {
        return a.kind == b.kind && a.reg == b.reg && a.value == b.value;
    }
};
std::ostream& operator<<(std::ostream& out, const DeviceCall& call);

inline DeviceCall W(int reg, int value)
{
    return {DeviceCall::Write, reg, value, {}};
}

class ScriptedDevice {
public:
    int initializeResult = 0;
    // Answers one status read; the default acknowledges at once. `readsInBlock`
    // counts from 1 after each acknowledgement request (see Block).
    std::function<int(unsigned char* value, int readsInBlock)> status = [](unsigned char* value, int) {
        *value = 2;
        return 0;
    };
    // The result of each register read or write; a failed read stores nothing.
    std::function<int(int reg)> access = [](int) { return 0; };
    // Runs after each call is recorded, to act on the window in mid-update.
    std::function<void(const DeviceCall&)> onCall;
    std::function<Observation()> observe;

    std::vector<DeviceCall> calls;

    DeviceBinding Binding();
    // The block (from 0) whose acknowledgement is being read; -1 before the first.
    long Block() const { return block_; }
    std::vector<DeviceCall> Writes() const;
    int CountOf(DeviceCall::Kind kind) const;
    // The calls in the simulated camera's transcript notation: "INIT 0",
    // "W 56 0x02", "R 0 -> 2" or "R 0 -> fail", "EXIT".
    std::vector<std::string> Transcript() const;

private:
    int Record(DeviceCall call);
    long block_ = -1;
    int readsInBlock_ = 0;
};
