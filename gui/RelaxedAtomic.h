// A value that one thread may store while another reads it: every access is a relaxed
// atomic load or store, so a plug-in's audio thread can set a control's value or dirty
// flag while the user-interface thread draws, without a data race. Nothing orders other
// memory around it; each access sees either the old or the new value, never a torn one.
// Read-modify-write (+=, -=, ++, --) is a load then a store: meant for the user-interface thread.
#pragma once

#include <atomic>

template <class T>
class RelaxedAtomic {
public:
    RelaxedAtomic(T initial = T()) : stored(initial) {}
    RelaxedAtomic(const RelaxedAtomic&) = delete;
    RelaxedAtomic& operator=(const RelaxedAtomic& other) {
        store(other.load());
        return *this;
    }

    T load() const { return stored.load(std::memory_order_relaxed); }
    void store(T newValue) { stored.store(newValue, std::memory_order_relaxed); }

    operator T() const { return load(); }
    RelaxedAtomic& operator=(T newValue) {
        store(newValue);
        return *this;
    }
    RelaxedAtomic& operator+=(T delta) {
        store(load() + delta);
        return *this;
    }
    RelaxedAtomic& operator-=(T delta) {
        store(load() - delta);
        return *this;
    }

    RelaxedAtomic& operator++() { return *this += T(1); }
    RelaxedAtomic& operator--() { return *this -= T(1); }

private:
    std::atomic<T> stored;
};
