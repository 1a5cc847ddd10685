#include "unicode/UniClasses.h"

#include <cstdint>

#include "unicode/UniSystem.h"

VARIRUVU_CLASS_INFO(TWideComponentHelper, TComponent)
{
}

TWideComponentHelper::TWideComponentHelper(TComponent* component, TComponentList* helperList)
    : TComponent(nullptr), FHelpedComponent(component)
{
    component->FreeNotification(this);
    int index;
    FindWideComponentHelperIndex(helperList, component, index);
    helperList->Insert(index, this);
}

TWideComponentHelper::TWideComponentHelper(TComponent*) : TComponent(nullptr)
{
    throw EUniInternalError("UNI Internal Error: TWideComponentHelper.Create should never be encountered.");
}

void TWideComponentHelper::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FHelpedComponent) {
        FHelpedComponent = nullptr;
        delete this;
    }
}

bool FindWideComponentHelperIndex(const TComponentList* helperList, const TComponent* component, int& index)
{
    auto address = [](const TComponent* c) { return reinterpret_cast<uintptr_t>(c); };
    int low = 0;
    int high = helperList->GetCount() - 1;
    bool found = false;
    while (low <= high) {
        int mid = (low + high) / 2;
        auto* helper = static_cast<TWideComponentHelper*>(helperList->GetItem(mid));
        uintptr_t entry = address(helper->GetHelpedComponent());
        if (entry < address(component)) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (entry == address(component)) {
                low = mid;
                found = true;
            }
        }
    }
    index = low;
    return found;
}

TWideComponentHelper* LookupWideComponentHelper(const TComponentList* helperList, const TComponent* component)
{
    int index;
    if (!FindWideComponentHelperIndex(helperList, component, index))
        return nullptr;
    auto* helper = static_cast<TWideComponentHelper*>(helperList->GetItem(index));
    if (helper->GetHelpedComponent() != component)
        throw EUniInternalError("UNI Internal Error: FindWideComponentHelperIndex failed.");
    return helper;
}
