// Events: typed delegates of an object and one of its member functions.
#pragma once

#include <functional>
#include <memory>

#include "classlib/Object.h"

template <typename... Args>
class TEvent {
public:
    using TMethod = void (TObject::*)(Args...);

    TEvent() = default;

    template <class C>
    TEvent(C* object, void (C::*method)(Args...))
        : FObject(object), FMethod(static_cast<TMethod>(method))
    {
    }

    // Wraps code that is not a method (set from code, never from a form).
    static TEvent FromFunction(std::function<void(Args...)> function)
    {
        TEvent e;
        e.FFunction = std::make_shared<std::function<void(Args...)>>(std::move(function));
        return e;
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
    TMethod GetMethod() const { return FMethod; }

private:
    TObject* FObject = nullptr;
    TMethod FMethod = nullptr;
    std::shared_ptr<std::function<void(Args...)>> FFunction;
};

using TNotifyEvent = TEvent<TObject*>;
