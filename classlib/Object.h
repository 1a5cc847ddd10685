// The common root of every class of the system.
#pragma once

class TClassInfo;

// Declares, inside a class, its class-information record (defined once in
// the class's source file with VARIRUVU_CLASS_INFO, classlib/TypInfo.h).
#define VARIRUVU_DECLARE_CLASS_INFO       \
    static const TClassInfo& ClassInfo(); \
    const TClassInfo& ClassType() const override { return ClassInfo(); }

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& ClassInfo();
    // The class information of the object's own (most derived published) class.
    virtual const TClassInfo& ClassType() const { return ClassInfo(); }
    const char* ClassName() const;
    bool InheritsFrom(const TClassInfo& cls) const;
};
