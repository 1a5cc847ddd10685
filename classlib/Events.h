// Events: typed delegates of an object and one of its member functions.
#pragma once

#include <cstring>
#include <functional>
#include <memory>

#include "classlib/Object.h"

// A method of some object with its parameters erased: what a form stream
// binds to an event by name and what the class information hands around.
using TMethodCode = void (TObject::*)();
struct TMethod {
    TObject* Data = nullptr;
    TMethodCode Code = nullptr;
    bool operator==(const TMethod&) const = default;
};

template <typename... Args>
class TEvent {
public:
    using TMethodPtr = void (TObject::*)(Args...);

    TEvent() = default;

    template <class C>
    TEvent(C* object, void (C::*method)(Args...))
        : FObject(object), FMethod(static_cast<TMethodPtr>(method))
    {
    }

    // Wraps code that is not a method (set from code, never from a form).
    static TEvent FromFunction(std::function<void(Args...)> function)
    {
        TEvent e;
        e.FFunction = std::make_shared<std::function<void(Args...)>>(std::move(function));
        return e;
    }

    // Rebuilds the event from an erased method; the caller vouches for the parameter list.
    static TEvent FromMethod(const TMethod& method)
    {
        TEvent e;
        e.FObject = method.Data;
        static_assert(sizeof(TMethodCode) == sizeof(TMethodPtr));
        std::memcpy(static_cast<void*>(&e.FMethod), &method.Code, sizeof(TMethodPtr));
        if (!e.FObject || !e.FMethod)
            e = TEvent();
        return e;
    }

    // The erased method; empty for an unassigned event and for a wrapped function.
    TMethod ToMethod() const
    {
        TMethod m;
        if (FFunction || !FObject || !FMethod)
            return m;
        m.Data = FObject;
        std::memcpy(static_cast<void*>(&m.Code), &FMethod, sizeof(TMethodPtr));
        return m;
    }

    explicit operator bool() const { return (FObject && FMethod) || FFunction; }

    void operator()(Args... args) const
    {
        if (FFunction)
            (*FFunction)(args...);
        else if (FObject && FMethod)
            (FObject->*FMethod)(args...);
    }

    // Identity: the same method of the same object, or the same wrapped function.
    bool operator==(const TEvent& other) const
    {
        return FObject == other.FObject && FMethod == other.FMethod && FFunction == other.FFunction;
    }

    TObject* GetObject() const { return FObject; }
    TMethodPtr GetMethod() const { return FMethod; }

private:
    TObject* FObject = nullptr;
    TMethodPtr FMethod = nullptr;
    std::shared_ptr<std::function<void(Args...)>> FFunction;
};

using TNotifyEvent = TEvent<TObject*>;
