// Guards an editor's controls between parameterChanged, which a plug-in may call from its
// audio thread, and close, which deletes them on the user-interface thread. The audio
// thread never waits: it takes a pass, and finds the gate shut while the editor is closed
// or closing. close shuts the gate and then waits the few instructions until every pass
// taken before has been given back, so no control is deleted while it is being set.
//
// Every access is sequentially consistent: a pass counted before the gate shut is seen by
// shut(), and a pass counted after it sees the gate shut.
#pragma once

#include <atomic>
#include <thread>

class FrameGate {
public:
    // [ui-thread] Once the controls exist.
    void open() { isOpen.store(true); }
    // [ui-thread] Before the controls are deleted.
    void shut() {
        isOpen.store(false);
        while (passes.load() != 0) std::this_thread::yield();
    }

    // [thread-safe] Held while the controls are used; converts to false when shut.
    class Pass {
    public:
        explicit Pass(FrameGate& gate) : gate(gate) {
            gate.passes.fetch_add(1);
            admitted = gate.isOpen.load();
        }
        ~Pass() { gate.passes.fetch_sub(1); }
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;
        explicit operator bool() const { return admitted; }

    private:
        FrameGate& gate;
        bool admitted;
    };

private:
    std::atomic<bool> isOpen{false};
    std::atomic<int> passes{0};
};
